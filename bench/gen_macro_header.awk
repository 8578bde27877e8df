# Writes a generated id header of n definitions (awk -v n=100000 -f ...):
# hex and decimal macros, expressions on earlier names, casts, and enum
# blocks whose members count on or take values from earlier macros.
BEGIN {
    if (n == "") n = 100000
    print "/* Generated ids header: " n " definitions. */"
    print "#ifndef GENERATED_IDS_H"
    print "#define GENERATED_IDS_H"
    count = 0; block = 0
    while (count < n) {
        for (k = 0; k < 40 && count < n; k++) {
            i = count
            kind = k % 4
            if (kind == 0) {
                printf "#define IDH_%d 0x%08X\n", i, (i * 2654435761) % 4294967296
                hex = "IDH_" i
            } else if (kind == 1) {
                printf "#define IDD_%d %d\n", i, i * 7
                dec = "IDD_" i
            } else if (kind == 2) {
                printf "#define IDX_%d ((%s + %d) | 0x10000)\n", i, dec, i % 97
                expr = "IDX_" i
            } else {
                printf "#define IDC_%d ((UINT32)(%s << 4) ^ (%s & 0xFFFFu))\n", i, expr, hex
            }
            count++
        }
        if (count >= n) break
        printf "enum tagGenerated%d {\n", block
        for (k = 0; k < 10 && count < n; k++) {
            if (k == 0)
                printf "    IDE_%d = %s + 1,\n", count, dec
            else if (k == 5)
                printf "    IDE_%d = 0x%X, /* explicit */\n", count, 1073741824 + count
            else
                printf "    IDE_%d,\n", count
            count++
        }
        print "};"
        block++
    }
    print "#endif"
}

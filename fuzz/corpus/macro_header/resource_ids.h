// Ids of a scene file, as a resource editor writes them.
#ifndef IDS_H
#define IDS_H

#define IDS_MAIN          1000
#define IDS_TITLE         (IDS_MAIN + 1)
#define IDS_FLAG          0x80000000u
#define IDS_MASK          ((DWORD)~0)
#define IDS_CHAR          'A'

#ifdef APSTUDIO_INVOKED
#define _APS_NEXT_RESOURCE_VALUE 129
#endif
#endif

// Why a definition gives no id: what the reader found where it stopped, as
// docs/header-syntax.md lists it.
#pragma once

#include <string>
#include <string_view>

namespace header {

enum class Reason : unsigned char {
    None,
    Empty,                // #define NAME with nothing after it
    TakesArguments,       // a function-like macro: a helper, not a name
    UnknownName,          // name: a name the file does not define
    Sizeof,               // name: sizeof or _Alignof
    NotIntegerType,       // name: void, float, struct ...
    NotIntegerCast,       // a cast to a typedef that is no integer type
    UnknownEnumCast,      // name: the tag of an enum whose type is not known
    MemberWithoutValue,   // name: an enum member whose value is not known
    String,               // a string literal, also one made by #
    NotIntegerNumber,     // name: the literal, 1.5 or 08
    NotIntegerCharacter,  // name: the literal, 'ab' or L'a'
    StrayCharacter,       // a byte that starts no token
    WithoutArguments,     // name: a function-like macro not followed by "("
    SelfReference,        // name: a macro met inside its own expansion
    WrongArgumentCount,   // name: the macro called
    UnclosedCall,         // name: the macro called
    BadPaste,             // ## that does not give one token
    MalformedDefinition,  // name: a macro whose definition C rejects
    NoExpression,         // tokens that are no integer constant expression
    CommaOperator,
    Assignment,
    DivisionByZero,
    Overflow,             // signed overflow
    BadShift,             // a negative count, or the operand's width or more
    OutsideIds,           // name: an integer that is no 32-bit id, written out
    ExpansionTooLarge,    // one expansion needs more tokens than its bound
    FileBudgetSpent,      // the file's expansions together reached theirs
    CountsOnFrom,         // name: the enum member before, which has no value
    MemberNotPlain,       // an enum member with more than a value after its name
    AcrossDirective,      // an enum member's value written across a directive line
    MemberTooLarge,       // an enum member beyond long long
};

struct Failure {
    Reason reason = Reason::None;
    std::string_view name;  // what the reason names, where it names something; for OutsideIds the value
};

// The reason as it is reported after the definition's name:
// "uses sizeof", "uses IDS_BASE, which the file does not define".
std::string FailureText(const Failure& failure);

}  // namespace header

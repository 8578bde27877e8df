#include "style/header/Failure.h"

#include "style/header/TokenBudget.h"

namespace header {

namespace {

std::string Named(std::string_view before, std::string_view name, std::string_view after)
{
    std::string text(before);
    text += name;
    text += after;
    return text;
}

}  // namespace

std::string FailureText(const Failure& f)
{
    switch (f.reason) {
    case Reason::None: return {};
    case Reason::Empty: return "is empty";
    case Reason::TakesArguments: return "takes arguments";
    case Reason::UnknownName: return Named("uses ", f.name, ", which the file does not define");
    case Reason::Sizeof: return Named("uses ", f.name, "");
    case Reason::NotIntegerType: return Named("uses ", f.name, ", which is no integer type");
    case Reason::NotIntegerCast: return "casts to a type that is no integer";
    case Reason::UnknownEnumCast: return Named("casts to enum ", f.name, ", whose members cannot all be computed");
    case Reason::MemberWithoutValue: return Named("uses ", f.name, ", an enum member without a value");
    case Reason::String: return "uses a string";
    case Reason::NotIntegerNumber: return Named("uses ", f.name, ", which is no integer");
    case Reason::NotIntegerCharacter: return Named("uses ", f.name, ", which is no plain character constant");
    case Reason::StrayCharacter: return "holds a stray character";
    case Reason::WithoutArguments: return Named("uses ", f.name, ", a function-like macro, without arguments");
    case Reason::SelfReference: return Named("uses ", f.name, " inside its own expansion");
    case Reason::WrongArgumentCount: return Named("calls ", f.name, " with the wrong number of arguments");
    case Reason::UnclosedCall: return Named("leaves the call of ", f.name, " open");
    case Reason::BadPaste: return "pastes with ## what gives no single token";
    case Reason::MalformedDefinition: return Named("uses ", f.name, ", whose definition is malformed");
    case Reason::NoExpression: return "is no integer constant expression";
    case Reason::CommaOperator: return "uses the comma operator";
    case Reason::Assignment: return "uses an assignment";
    case Reason::DivisionByZero: return "divides by zero";
    case Reason::Overflow: return "overflows its signed type";
    case Reason::BadShift: return "shifts by a negative count or by the operand's width or more";
    case Reason::OutsideIds: return Named("is ", f.name, ", outside the 32-bit ids");
    case Reason::ExpansionTooLarge:
        return "needs more than " + std::to_string(TokenBudget::kPerExpansion) + " tokens in one expansion";
    case Reason::FileBudgetSpent: return "comes after the file's expansions used up their tokens";
    case Reason::CountsOnFrom: return Named("counts on from ", f.name, ", which has no value");
    case Reason::MemberNotPlain: return "has more than a value after its name";
    case Reason::AcrossDirective: return "has its value written across a directive line";
    case Reason::MemberTooLarge: return "is too large for an enum member";
    }
    return {};
}

}  // namespace header

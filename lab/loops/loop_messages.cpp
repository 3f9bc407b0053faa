#include "lab/loops/loop_messages.h"

#include "lab/loops/loop_texts.h"

#include <iterator>

namespace {

LoopText expectedText(LoopExpected expected) {
    return static_cast<LoopText>(static_cast<int>(LoopText::ExpectedStatement) + static_cast<int>(expected));
}
static_assert(static_cast<int>(LoopText::ExpectedLineEnd) - static_cast<int>(LoopText::ExpectedStatement) ==
              static_cast<int>(LoopExpected::LineEnd));

struct FaultText {
    LoopFaultKind kind;
    LoopText text;
};

// The text of each kind but None, in the kinds' order, which the table checks as it compiles.
constexpr FaultText faultTexts[] = {
    {LoopFaultKind::DescriptionTooLarge, LoopText::DescriptionTooLarge},
    {LoopFaultKind::UnexpectedCharacter, LoopText::UnexpectedCharacter},
    {LoopFaultKind::NumberTooLarge, LoopText::NumberTooLarge},
    {LoopFaultKind::Expected, LoopText::ExpectedFound},
    {LoopFaultKind::ReservedWord, LoopText::ReservedWord},
    {LoopFaultKind::UnknownType, LoopText::UnknownType},
    {LoopFaultKind::UnknownArray, LoopText::UnknownArray},
    {LoopFaultKind::UnknownName, LoopText::UnknownName},
    {LoopFaultKind::NameTaken, LoopText::NameTaken},
    {LoopFaultKind::VariableReused, LoopText::VariableReused},
    {LoopFaultKind::DeclarationInLoop, LoopText::DeclarationInLoop},
    {LoopFaultKind::TooManyDimensions, LoopText::TooManyDimensions},
    {LoopFaultKind::DimensionNotPositive, LoopText::DimensionNotPositive},
    {LoopFaultKind::IndexCount, LoopText::IndexCount},
    {LoopFaultKind::AddressNegative, LoopText::AddressNegative},
    {LoopFaultKind::AlignNotPowerOfTwo, LoopText::AlignNotPowerOfTwo},
    {LoopFaultKind::AlignWithAt, LoopText::AlignWithAt},
    {LoopFaultKind::ClauseTwice, LoopText::ClauseTwice},
    {LoopFaultKind::ArrayTooLarge, LoopText::ArrayTooLarge},
    {LoopFaultKind::IndentUnexpected, LoopText::IndentUnexpected},
    {LoopFaultKind::IndentUnmatched, LoopText::IndentUnmatched},
    {LoopFaultKind::LoopWithoutBody, LoopText::LoopWithoutBody},
    {LoopFaultKind::TooDeep, LoopText::TooDeep},
    {LoopFaultKind::ExpressionTooDeep, LoopText::ExpressionTooDeep},
    {LoopFaultKind::NoAccesses, LoopText::NoAccesses},
    {LoopFaultKind::IndexOutside, LoopText::IndexOutside},
    {LoopFaultKind::DivisionByZero, LoopText::DivisionByZero},
    {LoopFaultKind::Overflow, LoopText::Overflow},
    {LoopFaultKind::StepZero, LoopText::StepZero},
    {LoopFaultKind::EmptyRange, LoopText::EmptyRange},
    {LoopFaultKind::TraceTooLong, LoopText::TraceTooLong},
    {LoopFaultKind::TooManyTurns, LoopText::TooManyTurns},
};

constexpr bool holdsEveryKindInOrder() {
    for (std::size_t i = 0; i < std::size(faultTexts); ++i) {
        if (static_cast<std::size_t>(faultTexts[i].kind) != i + 1) {
            return false;
        }
    }
    return std::size(faultTexts) == static_cast<std::size_t>(LoopFaultKind::TooManyTurns);
}
static_assert(holdsEveryKindInOrder());

LoopText faultText(LoopFaultKind kind) {
    return faultTexts[static_cast<std::size_t>(kind) - 1].text;
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

std::string whatIsWrong(LabLanguage language, const LoopFault& fault) {
    const std::string_view text = fault.text;
    switch (fault.kind) {
    case LoopFaultKind::Expected: {
        const std::string_view what = loopText(language, expectedText(fault.expected));
        return text.empty() ? loopText(language, LoopText::ExpectedAtEnd, {what})
                            : loopText(language, LoopText::ExpectedFound, {what, text});
    }
    case LoopFaultKind::NumberTooLarge:
    case LoopFaultKind::UnexpectedCharacter:
    case LoopFaultKind::ReservedWord:
    case LoopFaultKind::UnknownType:
    case LoopFaultKind::UnknownArray:
    case LoopFaultKind::UnknownName:
    case LoopFaultKind::NameTaken:
    case LoopFaultKind::VariableReused:
    case LoopFaultKind::DeclarationInLoop:
    case LoopFaultKind::ClauseTwice:
    case LoopFaultKind::ArrayTooLarge:
        return loopText(language, faultText(fault.kind), {text});
    case LoopFaultKind::DimensionNotPositive:
    case LoopFaultKind::AddressNegative:
    case LoopFaultKind::AlignNotPowerOfTwo:
        return loopText(language, faultText(fault.kind), {number(fault.value)});
    case LoopFaultKind::IndexCount:
        return loopText(language, faultText(fault.kind), {text, number(fault.value), number(fault.count)});
    case LoopFaultKind::IndexOutside:
        return loopText(language, faultText(fault.kind),
                        {number(fault.count), text, number(fault.value), number(fault.limit - 1)});
    case LoopFaultKind::EmptyRange:
        return loopText(language, faultText(fault.kind),
                        {number(fault.value), number(fault.limit), number(fault.count)});
    case LoopFaultKind::TraceTooLong:
    case LoopFaultKind::TooManyTurns:
        return loopText(language, faultText(fault.kind), {number(fault.limit)});
    case LoopFaultKind::None:
        return {};
    default:
        return std::string(loopText(language, faultText(fault.kind)));
    }
}

} // namespace

std::string loopFaultMessage(LabLanguage language, std::string_view sourceName, const LoopFault& fault) {
    std::string message(sourceName);
    if (fault.line != 0) {
        message += ':' + std::to_string(fault.line) + ':' + std::to_string(fault.column);
    }
    const std::string what = whatIsWrong(language, fault);
    return message + ": " +
           (fault.variables.empty() ? what
                                    : loopText(language, LoopText::AtVariables, {what, fault.variables}));
}

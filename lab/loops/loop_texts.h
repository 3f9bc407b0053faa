#pragma once

#include "lab/lab_texts.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Every text of the loop descriptions and their templates, in one table per language as the laboratory's own
// texts (Romanian without diacritics, and English), with "{}" holes filled in order by fillText.

enum class LoopText : std::uint16_t {
    // What is wrong with a description.
    DescriptionTooLarge,
    UnexpectedCharacter,
    NumberTooLarge,
    ExpectedFound,
    ExpectedAtEnd,
    ReservedWord,
    UnknownType,
    UnknownArray,
    UnknownName,
    NameTaken,
    VariableReused,
    DeclarationInLoop,
    TooManyDimensions,
    DimensionNotPositive,
    IndexCount,
    AddressNegative,
    AlignNotPowerOfTwo,
    AlignWithAt,
    ClauseTwice,
    ArrayTooLarge,
    IndentUnexpected,
    IndentUnmatched,
    LoopWithoutBody,
    TooDeep,
    ExpressionTooDeep,
    NoAccesses,
    IndexOutside,
    DivisionByZero,
    Overflow,
    StepZero,
    EmptyRange,
    TraceTooLong,
    TooManyTurns,
    AtVariables,
    // What the line needed where the fault points.
    ExpectedStatement,
    ExpectedName,
    ExpectedArrayName,
    ExpectedType,
    ExpectedDimension,
    ExpectedBracket,
    ExpectedOpenParenthesis,
    ExpectedCloseParenthesis,
    ExpectedComma,
    ExpectedEquals,
    ExpectedIn,
    ExpectedRange,
    ExpectedExpression,
    ExpectedIndex,
    ExpectedMajor,
    ExpectedClause,
    ExpectedLineEnd,
    // The templates.
    TemplateUnknown,
    TemplateMissingValue,
    TemplateUnknownKey,
    TemplateRepeatedKey,
    TemplateBadValue,
    TemplateListHead,
    TemplateListParameter,
    TemplateRows,
    TemplateColumns,
    TemplateStride,
    TemplateTranspose,
    TemplateBlockedTranspose,
    TemplateProductIjk,
    TemplateProductIkj,
    TemplateProductJki,
    TemplateConflict,
    ParameterRows,
    ParameterColumns,
    ParameterElements,
    ParameterStride,
    ParameterSide,
    ParameterBlock,
    ParameterApart,
    // The command line.
    HelpLoops,
    UsageEmitExclusive,
    UsageLoopsAndFormat,
    Count
};

std::string_view loopText(LabLanguage language, LoopText text);

inline std::string loopText(LabLanguage language, LoopText text,
                            std::initializer_list<std::string_view> values) {
    return fillText(loopText(language, text), values);
}

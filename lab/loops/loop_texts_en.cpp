// The loops' texts in English (--lang en).

#include "lab/loops/loop_text_table.h"

constexpr LoopTextEntry englishLoopTexts[loopTextCount] = {
    {LoopText::DescriptionTooLarge, "the description is longer than 1 MB"},
    {LoopText::UnexpectedCharacter, "\"{}\" is no part of the language"},
    {LoopText::NumberTooLarge, "the number {} is over 9223372036854775807"},
    {LoopText::ExpectedFound, "{} expected, not \"{}\""},
    {LoopText::ExpectedAtEnd, "{} expected before the end of the line"},
    {LoopText::ReservedWord, "\"{}\" is a word of the language, not a name"},
    {LoopText::UnknownType, "\"{}\" is not a type: char, short, int, long, float or double"},
    {LoopText::UnknownArray, "no array is named \"{}\""},
    {LoopText::UnknownName, "\"{}\" is neither the variable of a loop around it nor a constant"},
    {LoopText::NameTaken, "\"{}\" is declared already"},
    {LoopText::VariableReused, "\"{}\" is already the variable of a loop around this one"},
    {LoopText::DeclarationInLoop, "{} stands outside the loops, at the start of its line"},
    {LoopText::TooManyDimensions, "an array has at most three dimensions"},
    {LoopText::DimensionNotPositive, "a dimension of {}: at least 1"},
    {LoopText::IndexCount, "\"{}\" has {} dimensions, but {} indices are given"},
    {LoopText::AddressNegative, "the address {} is negative"},
    {LoopText::AlignNotPowerOfTwo, "align {}: a power of two from 1 to 1073741824"},
    {LoopText::AlignWithAt,
     "align goes with after, or with no placement: an address given with at stays as written"},
    {LoopText::ClauseTwice, "\"{}\" places or lays out the array a second time"},
    {LoopText::ArrayTooLarge, "the array \"{}\" holds 2^63 bytes or more, or passes the last address"},
    {LoopText::IndentUnexpected, "indented, but no for above opens a body here"},
    {LoopText::IndentUnmatched, "the indentation matches no line above it"},
    {LoopText::LoopWithoutBody, "the loop has no body: indent the lines it repeats below it"},
    {LoopText::TooDeep, "more than 8 nested loops"},
    {LoopText::ExpressionTooDeep, "the expression nests deeper than 32 levels"},
    {LoopText::NoAccesses, "no read, write or modify: the description makes no trace"},
    {LoopText::IndexOutside, "index {} of \"{}\" is {}, outside 0..{}"},
    {LoopText::DivisionByZero, "division by zero"},
    {LoopText::Overflow, "the value does not fit in 64 bits"},
    {LoopText::StepZero, "a step of 0: the loop would never end"},
    {LoopText::EmptyRange, "{}..{} step {} holds no value (the range stops before its limit; a loop that "
                           "counts down needs a negative "
                           "step)"},
    {LoopText::TraceTooLong, "the trace would be longer than {} accesses"},
    {LoopText::TooManyTurns, "the loops would turn more than {} times"},
    {LoopText::AtVariables, "{} (when {})"},
    {LoopText::ExpectedStatement, "a statement (array, let, for, read, write or modify)"},
    {LoopText::ExpectedName, "a name"},
    {LoopText::ExpectedArrayName, "the name of an array"},
    {LoopText::ExpectedType, "a type (char, short, int, long, float or double)"},
    {LoopText::ExpectedDimension, "a dimension in brackets, as [256],"},
    {LoopText::ExpectedBracket, "\"]\""},
    {LoopText::ExpectedOpenParenthesis, "\"(\""},
    {LoopText::ExpectedCloseParenthesis, "\")\""},
    {LoopText::ExpectedComma, "\",\""},
    {LoopText::ExpectedEquals, "\"=\""},
    {LoopText::ExpectedIn, "\"in\""},
    {LoopText::ExpectedRange, "\"..\" between the first value and the limit"},
    {LoopText::ExpectedExpression, "a number, a name or \"(\""},
    {LoopText::ExpectedIndex, "an index in brackets, as [i],"},
    {LoopText::ExpectedMajor, "row-major or column-major"},
    {LoopText::ExpectedClause, "at, after, align, row-major or column-major"},
    {LoopText::ExpectedLineEnd, "the end of the line"},
    {LoopText::TemplateUnknown, "no template is named \"{}\"; the templates: {} (--template list)"},
    {LoopText::TemplateMissingValue, "\"{}\" has no value: key=value"},
    {LoopText::TemplateUnknownKey, "\"{}\" is not a parameter of {}; its parameters: {}"},
    {LoopText::TemplateRepeatedKey, "{} is given twice"},
    {LoopText::TemplateBadValue, "{}: a whole number from {} to {}, with K or M for 1024 or 1048576"},
    {LoopText::TemplateListHead,
     "Templates: --template NAME[,KEY=VALUE...]; each parameter with its default and its range, then the\n"
     "description the template runs (the same language as --loops).\n"},
    {LoopText::TemplateListParameter, "  {}  {} (default {}, from {} to {})\n"},
    {LoopText::TemplateRows, "a matrix of ints summed row after row: the addresses go up by 4"},
    {LoopText::TemplateColumns, "the same matrix summed column after column: the addresses go up by a row"},
    {LoopText::TemplateStride, "every k-th element of a vector of ints summed"},
    {LoopText::TemplateTranspose, "B = the transpose of A, element after element"},
    {LoopText::TemplateBlockedTranspose, "B = the transpose of A, block after block"},
    {LoopText::TemplateProductIjk,
     "C += A x B of doubles, loops i, j, k: a sum in a register per element of C"},
    {LoopText::TemplateProductIkj,
     "C += A x B of doubles, loops i, k, j: A[i][k] in a register, rows of B and C"},
    {LoopText::TemplateProductJki,
     "C += A x B of doubles, loops j, k, i: B[k][j] in a register, columns of A and C"},
    {LoopText::TemplateConflict, "y = x, the two vectors a cache size apart: x[i] and y[i] fall in one set"},
    {LoopText::ParameterRows, "the matrix's rows"},
    {LoopText::ParameterColumns, "the matrix's columns"},
    {LoopText::ParameterElements, "the number of elements"},
    {LoopText::ParameterStride, "the stride, in elements"},
    {LoopText::ParameterSide, "the matrices' side"},
    {LoopText::ParameterBlock, "the block's side"},
    {LoopText::ParameterApart, "bytes from x to y"},
    {LoopText::HelpLoops,
     "\n"
     "Loops instead of a trace:\n"
     "  --loops FILE          a description of arrays and a loop nest, as an exercise prints it; its reads,\n"
     "                        writes and modifies, in program order, are the trace:\n"
     "                          array A int[256][256] at 0x10000\n"
     "                          for i in 0..256\n"
     "                            for j in 0..256\n"
     "                              read A[i][j]\n"
     "  --template NAME[,KEY=VALUE...]\n"
     "                        one of the classic loops with its sizes: rows, columns, stride, transpose,\n"
     "                        blocked-transpose, product-ijk, product-ikj, product-jki, conflict;\n"
     "                        --template list lists them with their parameters and descriptions\n"
     "  --emit-trace          print the trace in the plain format instead of running it\n"
     "A description that cannot be read: FILE:LINE:COLUMN: what is wrong, exit 65.\n"
     "\n"
     "  tarvel_cache_lab --template columns,rows=64,columns=64 --level size=1K,line=16,ways=1\n"
     "  tarvel_cache_lab --template blocked-transpose,n=512,block=8 --level size=32K --csv\n"
     "  tarvel_cache_lab --loops sum.loops --emit-trace > sum.trace\n"},
    {LoopText::UsageEmitExclusive,
     "--emit-trace prints the trace instead of running it: no --csv, --json, --steps or --sweep with it"},
    {LoopText::UsageLoopsAndFormat, "{} reads a trace file; {} needs none"},
};

static_assert(holdsEveryLoopTextInOrder(englishLoopTexts));

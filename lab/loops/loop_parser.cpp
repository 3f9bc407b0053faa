#include "lab/loops/loop_parser.h"

#include "lab/loops/loop_expression.h"
#include "lab/loops/loop_lexer.h"

#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::string_view reservedWords[] = {"array",  "let", "for",   "in",    "step",  "read", "write",
                                              "modify", "at",  "after", "align", "min",   "max",  "char",
                                              "short",  "int", "long",  "float", "double"};

struct ElementType {
    std::string_view name;
    std::uint32_t bytes;
};
constexpr ElementType elementTypes[] = {{"char", 1}, {"short", 2}, {"int", 4},
                                        {"long", 8}, {"float", 4}, {"double", 8}};

constexpr std::size_t maxQuotedBytes = 40;

bool isReserved(std::string_view word) {
    for (const std::string_view reserved : reservedWords) {
        if (reserved == word) {
            return true;
        }
    }
    return false;
}

// A declared name: an array (its index) or a constant (its value).
struct Declared {
    bool array = false;
    std::int64_t value = 0;
};

// A loop whose body is being read: the blanks before its for, and those of its body once its first line came.
struct OpenLoop {
    std::string_view forIndent;
    std::string_view bodyIndent;
    std::uint32_t statement = 0;
};

class Parser {
  public:
    explicit Parser(std::span<const LoopConstant> constants) {
        for (const LoopConstant& constant : constants) {
            declared_[std::string(constant.name)] = {false, constant.value};
        }
    }

    ParsedLoops run(std::string_view text);

  private:
    bool readLine(std::string_view line);
    bool placeIndent(std::string_view indent, std::uint32_t column);
    bool readStatement();
    bool readArray();
    bool readArrayClauses(LoopArray& array, std::uint32_t& align, bool& placed, bool& aligned);
    bool placeArray(LoopArray& array, std::int64_t at, const LoopArray* after, std::uint32_t align);
    bool readLet();
    bool readFor();
    bool readAccess(AccessOp op);
    void closeLoop();

    bool readExpression(std::uint32_t& node, int depth);
    bool readTerm(std::uint32_t& node, int depth);
    bool readUnary(std::uint32_t& node, int depth);
    bool readPrimary(std::uint32_t& node, int depth);
    bool readConstant(std::int64_t& value);
    bool combine(ExprOp op, std::uint32_t left, std::uint32_t right, std::uint32_t column,
                 std::uint32_t& node);
    std::uint32_t addNode(const ExprNode& node, int height);

    const LoopToken& peek() const { return tokens_[at_]; }
    const LoopToken& take() { return tokens_[at_ < tokens_.size() - 1 ? at_++ : at_]; }
    bool peekName(std::string_view word) const {
        return peek().kind == TokenKind::Name && peek().text == word;
    }
    bool expect(TokenKind kind, LoopExpected expected);
    bool expectedHere(LoopExpected expected);
    bool fail(LoopFaultKind kind, std::uint32_t column, std::string_view text = {}, std::int64_t value = 0);
    bool readNewName(std::string_view& name, std::uint32_t& column);

    LoopProgram program_;
    LoopFault fault_;
    std::map<std::string, Declared, std::less<>> declared_;
    std::vector<int> heights_; // of each node: the depth its evaluation recurses to
    std::vector<OpenLoop> open_;
    bool bodyPending_ = false; // the last line opened a loop
    std::vector<LoopToken> tokens_;
    std::size_t at_ = 0;
    std::uint32_t line_ = 0;
    std::string_view indent_; // the blanks before the line's statement
};

ParsedLoops Parser::run(std::string_view text) {
    if (text.size() > maxLoopDescriptionBytes) {
        fail(LoopFaultKind::DescriptionTooLarge, 0);
        return {std::move(program_), fault_};
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    bool ok = true;
    while (ok && !text.empty()) {
        const std::size_t end = text.find('\n');
        ++line_;
        ok = readLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (ok && bodyPending_) {
        const LoopStatement& loop = program_.statements[open_.back().statement];
        line_ = loop.line;
        ok = fail(LoopFaultKind::LoopWithoutBody, loop.column);
    }
    while (ok && !open_.empty()) {
        closeLoop();
    }
    if (ok && program_.statements.empty()) {
        fail(LoopFaultKind::NoAccesses, 0);
    }
    return {std::move(program_), fault_};
}

bool Parser::readLine(std::string_view line) {
    const std::size_t codeStart = line.find_first_not_of(" \t");
    if (codeStart == std::string_view::npos || line[codeStart] == '#' || line.substr(codeStart) == "\r") {
        return true;
    }
    const auto column = static_cast<std::uint32_t>(codeStart + 1);
    if (!lexLine(line.substr(codeStart), line_, column, tokens_, fault_)) {
        return false;
    }
    at_ = 0;
    indent_ = line.substr(0, codeStart);
    return placeIndent(line.substr(0, codeStart), column) && readStatement() &&
           expect(TokenKind::End, LoopExpected::LineEnd);
}

// The line belongs to the innermost open body whose blanks it repeats; the loops deeper than that end here.
bool Parser::placeIndent(std::string_view indent, std::uint32_t column) {
    if (bodyPending_) {
        const OpenLoop& loop = open_.back();
        if (indent.size() <= loop.forIndent.size() || !indent.starts_with(loop.forIndent)) {
            const LoopStatement& statement = program_.statements[loop.statement];
            line_ = statement.line;
            return fail(LoopFaultKind::LoopWithoutBody, statement.column);
        }
        open_.back().bodyIndent = indent;
        bodyPending_ = false;
        return true;
    }
    // Deeper than the innermost body is unexpected; between two bodies, or not repeating their blanks,
    // unmatched.
    bool closed = false;
    while (!open_.empty() && indent != open_.back().bodyIndent) {
        if (indent.size() > open_.back().bodyIndent.size()) {
            return fail(closed || !indent.starts_with(open_.back().bodyIndent)
                            ? LoopFaultKind::IndentUnmatched
                            : LoopFaultKind::IndentUnexpected,
                        column);
        }
        closeLoop();
        closed = true;
    }
    if (open_.empty() && !indent.empty()) {
        return fail(closed ? LoopFaultKind::IndentUnmatched : LoopFaultKind::IndentUnexpected, column);
    }
    return true;
}

bool Parser::readStatement() {
    const LoopToken& word = peek();
    if (word.kind == TokenKind::Name) {
        if (word.text == "array" || word.text == "let") {
            if (!open_.empty()) {
                return fail(LoopFaultKind::DeclarationInLoop, word.column, word.text);
            }
            return word.text == "array" ? readArray() : readLet();
        }
        if (word.text == "for") {
            return readFor();
        }
        if (word.text == "read") {
            return readAccess(AccessOp::Read);
        }
        if (word.text == "write") {
            return readAccess(AccessOp::Write);
        }
        if (word.text == "modify") {
            return readAccess(AccessOp::Modify);
        }
    }
    return expectedHere(LoopExpected::Statement);
}

bool Parser::readNewName(std::string_view& name, std::uint32_t& column) {
    const LoopToken& token = peek();
    if (token.kind != TokenKind::Name) {
        return expectedHere(LoopExpected::Name);
    }
    if (isReserved(token.text)) {
        return fail(LoopFaultKind::ReservedWord, token.column, token.text);
    }
    if (declared_.find(token.text) != declared_.end()) {
        return fail(LoopFaultKind::NameTaken, token.column, token.text);
    }
    for (const OpenLoop& loop : open_) {
        if (program_.statements[loop.statement].variable == token.text) {
            return fail(LoopFaultKind::VariableReused, token.column, token.text);
        }
    }
    name = token.text;
    column = token.column;
    take();
    return true;
}

bool Parser::readArray() {
    take();
    LoopArray array;
    std::string_view name;
    std::uint32_t nameColumn = 0;
    if (!readNewName(name, nameColumn)) {
        return false;
    }
    array.name = std::string(name);
    const LoopToken& type = peek();
    if (type.kind != TokenKind::Name) {
        return expectedHere(LoopExpected::Type);
    }
    array.elementBytes = 0;
    for (const ElementType& known : elementTypes) {
        array.elementBytes = known.name == type.text ? known.bytes : array.elementBytes;
    }
    if (array.elementBytes == 0) {
        return fail(LoopFaultKind::UnknownType, type.column, type.text);
    }
    take();
    array.dimensions = 0;
    while (peek().kind == TokenKind::LeftBracket) {
        const std::uint32_t column = take().column;
        if (array.dimensions == maxArrayDimensions) {
            return fail(LoopFaultKind::TooManyDimensions, column);
        }
        std::int64_t extent = 0;
        const std::uint32_t extentColumn = peek().column;
        if (!readConstant(extent) || !expect(TokenKind::RightBracket, LoopExpected::Bracket)) {
            return false;
        }
        if (extent < 1) {
            return fail(LoopFaultKind::DimensionNotPositive, extentColumn, {}, extent);
        }
        array.extent[array.dimensions++] = static_cast<std::uint64_t>(extent);
    }
    if (array.dimensions == 0) {
        return expectedHere(LoopExpected::Dimension);
    }
    std::uint32_t align = array.elementBytes;
    bool placed = false;
    bool aligned = false;
    if (!readArrayClauses(array, align, placed, aligned)) {
        return false;
    }
    if (!placed &&
        !placeArray(array, -1, program_.arrays.empty() ? nullptr : &program_.arrays.back(), align)) {
        return false;
    }
    declared_[array.name] = {true, static_cast<std::int64_t>(program_.arrays.size())};
    program_.arrays.push_back(std::move(array));
    return true;
}

// row-major, column-major, at ADDRESS, after ARRAY, align N: each once, at and after not both.
bool Parser::readArrayClauses(LoopArray& array, std::uint32_t& align, bool& placed, bool& aligned) {
    bool laidOut = false;
    std::int64_t at = -1;
    const LoopArray* after = nullptr;
    bool atGiven = false;
    std::uint32_t alignColumn = 0;
    while (peek().kind != TokenKind::End) {
        const LoopToken word = peek();
        if (word.kind != TokenKind::Name) {
            return expectedHere(LoopExpected::Clause);
        }
        const bool layout = word.text == "row" || word.text == "column";
        const bool placement = word.text == "at" || word.text == "after";
        if (!layout && !placement && word.text != "align") {
            return expectedHere(LoopExpected::Clause);
        }
        if ((layout && laidOut) || (placement && placed) || (word.text == "align" && aligned)) {
            return fail(LoopFaultKind::ClauseTwice, word.column, word.text);
        }
        take();
        if (layout) {
            if (!expect(TokenKind::Minus, LoopExpected::Major)) {
                return false;
            }
            if (!peekName("major")) {
                return expectedHere(LoopExpected::Major);
            }
            take();
            array.columnMajor = word.text == "column";
            laidOut = true;
        } else if (word.text == "at") {
            const std::uint32_t column = peek().column;
            if (!readConstant(at)) {
                return false;
            }
            if (at < 0) {
                return fail(LoopFaultKind::AddressNegative, column, {}, at);
            }
            placed = atGiven = true;
        } else if (word.text == "after") {
            const LoopToken& name = peek();
            if (name.kind != TokenKind::Name) {
                return expectedHere(LoopExpected::ArrayName);
            }
            const auto found = declared_.find(name.text);
            if (found == declared_.end() || !found->second.array) {
                return fail(LoopFaultKind::UnknownArray, name.column, name.text);
            }
            after = &program_.arrays[static_cast<std::size_t>(found->second.value)];
            take();
            placed = true;
        } else {
            alignColumn = peek().column;
            std::int64_t value = 0;
            if (!readConstant(value)) {
                return false;
            }
            if (value < 1 || value > (std::int64_t{1} << 30) || (value & (value - 1)) != 0) {
                return fail(LoopFaultKind::AlignNotPowerOfTwo, alignColumn, {}, value);
            }
            align = static_cast<std::uint32_t>(value);
            aligned = true;
        }
    }
    if (atGiven && aligned) {
        return fail(LoopFaultKind::AlignWithAt, alignColumn);
    }
    if (!placed) {
        return true;
    }
    return placeArray(array, atGiven ? at : -1, after, align);
}

// At the address at (when not negative), or after the array after (the first at 0 when there is none),
// rounded up to align; its bytes below 2^63 and its last byte within 64 bits.
bool Parser::placeArray(LoopArray& array, std::int64_t at, const LoopArray* after, std::uint32_t align) {
    const std::uint32_t column = tokens_.front().column;
    constexpr std::uint64_t maxBytes = std::uint64_t{1} << 63;
    std::uint64_t bytes = array.elementBytes;
    bool tooLarge = false;
    for (int d = 0; d < array.dimensions; ++d) {
        tooLarge = tooLarge || __builtin_mul_overflow(bytes, array.extent[d], &bytes) || bytes >= maxBytes;
    }
    std::uint64_t base = at >= 0 ? static_cast<std::uint64_t>(at) : 0;
    if (at < 0 && after != nullptr) {
        tooLarge = tooLarge || __builtin_add_overflow(after->base, after->bytes, &base) ||
                   __builtin_add_overflow(base, align - 1, &base);
        base &= ~std::uint64_t{align - 1};
    }
    if (tooLarge || bytes - 1 > std::numeric_limits<std::uint64_t>::max() - base) {
        return fail(LoopFaultKind::ArrayTooLarge, column, array.name);
    }
    array.bytes = bytes;
    array.base = base;
    return true;
}

bool Parser::readLet() {
    take();
    std::string_view name;
    std::uint32_t column = 0;
    std::int64_t value = 0;
    if (!readNewName(name, column) || !expect(TokenKind::Equals, LoopExpected::Equals) ||
        !readConstant(value)) {
        return false;
    }
    declared_[std::string(name)] = {false, value};
    return true;
}

bool Parser::readFor() {
    const std::uint32_t column = take().column;
    if (open_.size() == static_cast<std::size_t>(maxLoopDepth)) {
        return fail(LoopFaultKind::TooDeep, column);
    }
    LoopStatement loop;
    loop.kind = StatementKind::Loop;
    loop.line = line_;
    loop.column = column;
    loop.depth = static_cast<int>(open_.size());
    std::string_view name;
    std::uint32_t nameColumn = 0;
    if (!readNewName(name, nameColumn) ||
        !(peekName("in") ? (take(), true) : expectedHere(LoopExpected::In)) ||
        !readExpression(loop.first, 0) || !expect(TokenKind::Range, LoopExpected::Range) ||
        !readExpression(loop.limit, 0)) {
        return false;
    }
    loop.variable = std::string(name);
    if (peekName("step")) {
        take();
        const std::uint32_t stepColumn = peek().column;
        if (!readExpression(loop.step, 0)) {
            return false;
        }
        const ExprNode& step = program_.nodes[loop.step];
        if (step.op == ExprOp::Constant && step.value == 0) {
            return fail(LoopFaultKind::StepZero, stepColumn);
        }
    } else {
        ExprNode one;
        one.value = 1;
        one.column = column;
        loop.step = addNode(one, 1);
    }
    open_.push_back({indent_, {}, static_cast<std::uint32_t>(program_.statements.size())});
    bodyPending_ = true;
    program_.statements.push_back(std::move(loop));
    return true;
}

bool Parser::readAccess(AccessOp op) {
    LoopStatement access;
    access.op = op;
    access.line = line_;
    access.column = take().column;
    const LoopToken& name = peek();
    if (name.kind != TokenKind::Name) {
        return expectedHere(LoopExpected::ArrayName);
    }
    const auto found = declared_.find(name.text);
    if (found == declared_.end() || !found->second.array) {
        return fail(LoopFaultKind::UnknownArray, name.column, name.text);
    }
    access.array = static_cast<std::uint32_t>(found->second.value);
    const LoopArray& array = program_.arrays[access.array];
    take();
    int count = 0;
    while (peek().kind == TokenKind::LeftBracket) {
        take();
        const std::uint32_t column = peek().column;
        std::uint32_t index = 0;
        if (!readExpression(index, 0) || !expect(TokenKind::RightBracket, LoopExpected::Bracket)) {
            return false;
        }
        if (count < maxArrayDimensions) {
            access.index[count] = index;
            access.indexColumn[count] = column;
        }
        ++count;
    }
    if (count == 0) {
        return expectedHere(LoopExpected::Index);
    }
    if (count != array.dimensions) {
        fail(LoopFaultKind::IndexCount, access.column, array.name, array.dimensions);
        fault_.count = count;
        return false;
    }
    program_.statements.push_back(access);
    return true;
}

// The loop's body ends: whether it holds accesses only, and whether each of their indices runs straight
// along the loop's variable.
void Parser::closeLoop() {
    const std::uint32_t index = open_.back().statement;
    open_.pop_back();
    LoopStatement& loop = program_.statements[index];
    loop.end = static_cast<std::uint32_t>(program_.statements.size());
    loop.leaf = true;
    loop.straight = true;
    const auto bit = static_cast<VariableMask>(1u << loop.depth);
    for (std::uint32_t s = index + 1; s < loop.end; ++s) {
        const LoopStatement& statement = program_.statements[s];
        if (statement.kind == StatementKind::Loop) {
            loop.leaf = loop.straight = false;
            break;
        }
        const int dimensions = program_.arrays[statement.array].dimensions;
        for (int d = 0; d < dimensions; ++d) {
            loop.straight = loop.straight && (program_.nodes[statement.index[d]].affine & bit) != 0;
        }
    }
}

bool Parser::readConstant(std::int64_t& value) {
    std::uint32_t node = 0;
    if (!readExpression(node, 0)) {
        return false;
    }
    // Outside the loops every name is a constant, so the expression has folded into one.
    value = program_.nodes[node].value;
    program_.nodes.pop_back();
    heights_.pop_back();
    return true;
}

bool Parser::readExpression(std::uint32_t& node, int depth) {
    if (!readTerm(node, depth)) {
        return false;
    }
    while (peek().kind == TokenKind::Plus || peek().kind == TokenKind::Minus) {
        const LoopToken& sign = take();
        const ExprOp op = sign.kind == TokenKind::Plus ? ExprOp::Add : ExprOp::Subtract;
        std::uint32_t right = 0;
        if (!readTerm(right, depth) || !combine(op, node, right, sign.column, node)) {
            return false;
        }
    }
    return true;
}

bool Parser::readTerm(std::uint32_t& node, int depth) {
    if (!readUnary(node, depth)) {
        return false;
    }
    while (peek().kind == TokenKind::Star || peek().kind == TokenKind::Slash ||
           peek().kind == TokenKind::Percent) {
        const LoopToken& sign = take();
        const ExprOp op = sign.kind == TokenKind::Star    ? ExprOp::Multiply
                          : sign.kind == TokenKind::Slash ? ExprOp::Divide
                                                          : ExprOp::Remainder;
        std::uint32_t right = 0;
        if (!readUnary(right, depth) || !combine(op, node, right, sign.column, node)) {
            return false;
        }
    }
    return true;
}

bool Parser::readUnary(std::uint32_t& node, int depth) {
    if (depth > maxExpressionDepth) {
        return fail(LoopFaultKind::ExpressionTooDeep, peek().column);
    }
    if (peek().kind == TokenKind::Minus) {
        const std::uint32_t column = take().column;
        std::uint32_t operand = 0;
        return readUnary(operand, depth + 1) && combine(ExprOp::Negate, operand, operand, column, node);
    }
    if (peek().kind == TokenKind::Plus) {
        take();
        return readUnary(node, depth + 1);
    }
    return readPrimary(node, depth);
}

bool Parser::readPrimary(std::uint32_t& node, int depth) {
    const LoopToken token = peek();
    if (token.kind == TokenKind::Number) {
        take();
        ExprNode constant;
        constant.value = token.number;
        constant.column = token.column;
        node = addNode(constant, 1);
        return true;
    }
    if (token.kind == TokenKind::LeftParenthesis) {
        take();
        return readExpression(node, depth + 1) &&
               expect(TokenKind::RightParenthesis, LoopExpected::CloseParenthesis);
    }
    if (token.kind != TokenKind::Name) {
        return expectedHere(LoopExpected::Expression);
    }
    take();
    if (token.text == "min" || token.text == "max") {
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        return expect(TokenKind::LeftParenthesis, LoopExpected::OpenParenthesis) &&
               readExpression(left, depth + 1) && expect(TokenKind::Comma, LoopExpected::Comma) &&
               readExpression(right, depth + 1) &&
               expect(TokenKind::RightParenthesis, LoopExpected::CloseParenthesis) &&
               combine(token.text == "min" ? ExprOp::Min : ExprOp::Max, left, right, token.column, node);
    }
    for (const OpenLoop& loop : open_) {
        const LoopStatement& statement = program_.statements[loop.statement];
        if (statement.variable == token.text) {
            ExprNode variable;
            variable.op = ExprOp::Variable;
            variable.value = statement.depth;
            variable.column = token.column;
            variable.uses = static_cast<VariableMask>(1u << statement.depth);
            node = addNode(variable, 1);
            return true;
        }
    }
    const auto found = declared_.find(token.text);
    if (found == declared_.end() || found->second.array) {
        return fail(isReserved(token.text) ? LoopFaultKind::ReservedWord : LoopFaultKind::UnknownName,
                    token.column, token.text);
    }
    ExprNode constant;
    constant.value = found->second.value;
    constant.column = token.column;
    node = addNode(constant, 1);
    return true;
}

// left op right (Negate reads left alone), folded when both are constants. The operands are the last nodes
// added, so a folded result takes their place.
bool Parser::combine(ExprOp op, std::uint32_t left, std::uint32_t right, std::uint32_t column,
                     std::uint32_t& node) {
    const ExprNode a = program_.nodes[left];
    const ExprNode b = program_.nodes[right];
    if (a.op == ExprOp::Constant && b.op == ExprOp::Constant) {
        ExprNode folded;
        folded.column = column;
        const LoopFaultKind fault = applyOperator(op, a.value, b.value, folded.value);
        if (fault != LoopFaultKind::None) {
            return fail(fault, column);
        }
        const std::uint32_t first = left < right ? left : right;
        program_.nodes.resize(first);
        heights_.resize(first);
        node = addNode(folded, 1);
        return true;
    }
    ExprNode combined;
    combined.op = op;
    combined.left = left;
    combined.right = right;
    combined.column = column;
    combined.uses = op == ExprOp::Negate ? a.uses : static_cast<VariableMask>(a.uses | b.uses);
    const auto bothAffine = static_cast<VariableMask>(a.affine & b.affine);
    switch (op) {
    case ExprOp::Add:
    case ExprOp::Subtract:
        combined.affine = bothAffine;
        break;
    case ExprOp::Negate:
        combined.affine = a.affine;
        break;
    case ExprOp::Multiply:
        combined.affine = static_cast<VariableMask>(bothAffine & ~(a.uses & b.uses));
        break;
    default:
        combined.affine = static_cast<VariableMask>(~combined.uses);
        break;
    }
    const int height = 1 + (heights_[left] > heights_[right] ? heights_[left] : heights_[right]);
    if (height > maxExpressionDepth) {
        return fail(LoopFaultKind::ExpressionTooDeep, column);
    }
    node = addNode(combined, height);
    return true;
}

std::uint32_t Parser::addNode(const ExprNode& node, int height) {
    program_.nodes.push_back(node);
    heights_.push_back(height);
    return static_cast<std::uint32_t>(program_.nodes.size() - 1);
}

bool Parser::expect(TokenKind kind, LoopExpected expected) {
    if (peek().kind != kind) {
        return expectedHere(expected);
    }
    take();
    return true;
}

bool Parser::expectedHere(LoopExpected expected) {
    const LoopToken& token = peek();
    fail(LoopFaultKind::Expected, token.column, token.text);
    fault_.expected = expected;
    return false;
}

bool Parser::fail(LoopFaultKind kind, std::uint32_t column, std::string_view text, std::int64_t value) {
    fault_ = {};
    fault_.kind = kind;
    fault_.line = kind == LoopFaultKind::DescriptionTooLarge || kind == LoopFaultKind::NoAccesses ? 0 : line_;
    fault_.column = fault_.line == 0 ? 0 : column;
    fault_.text = std::string(text.substr(0, maxQuotedBytes));
    fault_.value = value;
    return false;
}

} // namespace

ParsedLoops parseLoopProgram(std::string_view text, std::span<const LoopConstant> constants) {
    Parser parser(constants);
    return parser.run(text);
}

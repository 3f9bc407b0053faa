#include "lab/loops/loop_templates.h"

#include <charconv>
#include <optional>

namespace {

constexpr std::int64_t side = 1 << 16;

constexpr TemplateParameter matrixSides[] = {
    {"rows", 256, 1, side, LoopText::ParameterRows},
    {"columns", 256, 1, side, LoopText::ParameterColumns},
};
constexpr TemplateParameter strideWalk[] = {
    {"n", 65536, 1, std::int64_t{1} << 32, LoopText::ParameterElements},
    {"k", 16, 1, std::int64_t{1} << 32, LoopText::ParameterStride},
};
constexpr TemplateParameter squareSide[] = {
    {"n", 256, 1, side, LoopText::ParameterSide},
};
constexpr TemplateParameter blockedSide[] = {
    {"n", 256, 1, side, LoopText::ParameterSide},
    {"block", 16, 1, side, LoopText::ParameterBlock},
};
constexpr TemplateParameter productSide[] = {
    {"n", 64, 1, 1024, LoopText::ParameterSide},
};
constexpr TemplateParameter conflictPair[] = {
    {"n", 1024, 1, std::int64_t{1} << 32, LoopText::ParameterElements},
    {"apart", 32768, 0, std::int64_t{1} << 40, LoopText::ParameterApart},
};

constexpr std::string_view matrixArray = R"(array A int[rows][columns] at 0
)";

constexpr std::string_view rowsLoops = R"(for i in 0..rows
  for j in 0..columns
    read A[i][j]
)";

constexpr std::string_view columnsLoops = R"(for j in 0..columns
  for i in 0..rows
    read A[i][j]
)";

constexpr std::string_view vectorArray = R"(array A int[n] at 0
)";

constexpr std::string_view strideLoops = R"(for i in 0..n step k
  read A[i]
)";

constexpr std::string_view transposeArrays = R"(array A int[n][n] at 0
array B int[n][n] after A
)";

constexpr std::string_view transposeLoops = R"(for i in 0..n
  for j in 0..n
    read A[i][j]
    write B[j][i]
)";

constexpr std::string_view blockedTransposeLoops = R"(for ii in 0..n step block
  for jj in 0..n step block
    for i in ii..min(ii + block, n)
      for j in jj..min(jj + block, n)
        read A[i][j]
        write B[j][i]
)";

constexpr std::string_view productMatrices = R"(array A double[n][n] at 0
array B double[n][n] after A
array C double[n][n] after B
)";

constexpr std::string_view productIjkLoops = R"(for i in 0..n
  for j in 0..n
    for k in 0..n
      read A[i][k]
      read B[k][j]
    modify C[i][j]
)";

constexpr std::string_view productIkjLoops = R"(for i in 0..n
  for k in 0..n
    read A[i][k]
    for j in 0..n
      read B[k][j]
      modify C[i][j]
)";

constexpr std::string_view productJkiLoops = R"(for j in 0..n
  for k in 0..n
    read B[k][j]
    for i in 0..n
      read A[i][k]
      modify C[i][j]
)";

constexpr std::string_view conflictArrays = R"(array x int[n] at 0
array y int[n] at apart
)";

constexpr std::string_view conflictLoops = R"(for i in 0..n
  read x[i]
  write y[i]
)";

constexpr LoopTemplate templates[] = {
    {"rows", LoopText::TemplateRows, matrixSides, matrixArray, rowsLoops},
    {"columns", LoopText::TemplateColumns, matrixSides, matrixArray, columnsLoops},
    {"stride", LoopText::TemplateStride, strideWalk, vectorArray, strideLoops},
    {"transpose", LoopText::TemplateTranspose, squareSide, transposeArrays, transposeLoops},
    {"blocked-transpose", LoopText::TemplateBlockedTranspose, blockedSide, transposeArrays,
     blockedTransposeLoops},
    {"product-ijk", LoopText::TemplateProductIjk, productSide, productMatrices, productIjkLoops},
    {"product-ikj", LoopText::TemplateProductIkj, productSide, productMatrices, productIkjLoops},
    {"product-jki", LoopText::TemplateProductJki, productSide, productMatrices, productJkiLoops},
    {"conflict", LoopText::TemplateConflict, conflictPair, conflictArrays, conflictLoops},
};

std::optional<std::int64_t> readValue(std::string_view text) {
    std::int64_t unit = 1;
    if (text.ends_with('K') || text.ends_with('M')) {
        unit = text.back() == 'K' ? 1024 : 1024 * 1024;
        text.remove_suffix(1);
    }
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    text.remove_prefix(hex ? 2 : 0);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0 ||
        __builtin_mul_overflow(value, unit, &value)) {
        return std::nullopt;
    }
    return value;
}

TemplateChoice failed(TemplateChoice choice, TemplateFaultKind kind, std::string_view text) {
    choice.fault = kind;
    choice.text = std::string(text.substr(0, 60));
    return choice;
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

std::string templateNames() {
    std::string names;
    for (const LoopTemplate& loops : templates) {
        names += names.empty() ? "" : ", ";
        names += loops.name;
    }
    return names;
}

std::string parameterKeys(const LoopTemplate& loops) {
    std::string keys;
    for (const TemplateParameter& parameter : loops.parameters) {
        keys += keys.empty() ? "" : ", ";
        keys += parameter.key;
    }
    return keys;
}

} // namespace

std::span<const LoopTemplate> loopTemplates() {
    return templates;
}

std::string templateDescription(const LoopTemplate& loops) {
    return std::string(loops.arrays) + std::string(loops.loops);
}

TemplateChoice readTemplateChoice(std::string_view text) {
    TemplateChoice choice;
    const std::string_view name = text.substr(0, text.find(','));
    for (const LoopTemplate& loops : templates) {
        choice.chosen = loops.name == name ? &loops : choice.chosen;
    }
    if (choice.chosen == nullptr) {
        return failed(std::move(choice), TemplateFaultKind::UnknownTemplate, name);
    }
    for (const TemplateParameter& parameter : choice.chosen->parameters) {
        choice.values.push_back({parameter.key, parameter.byDefault});
    }
    std::vector<bool> given(choice.values.size(), false);
    text.remove_prefix(name.size());
    while (!text.empty()) {
        text.remove_prefix(1); // the comma
        const std::string_view pair = text.substr(0, text.find(','));
        text.remove_prefix(pair.size());
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            return failed(std::move(choice), TemplateFaultKind::MissingValue, pair);
        }
        const std::string_view key = pair.substr(0, equals);
        std::size_t at = 0;
        while (at < choice.values.size() && choice.values[at].name != key) {
            ++at;
        }
        if (at == choice.values.size()) {
            return failed(std::move(choice), TemplateFaultKind::UnknownKey, key);
        }
        if (given[at]) {
            return failed(std::move(choice), TemplateFaultKind::RepeatedKey, key);
        }
        given[at] = true;
        const TemplateParameter& parameter = choice.chosen->parameters[at];
        const std::optional<std::int64_t> value = readValue(pair.substr(equals + 1));
        if (!value || *value < parameter.least || *value > parameter.most) {
            choice.parameter = &parameter;
            return failed(std::move(choice), TemplateFaultKind::BadValue, pair);
        }
        choice.values[at].value = *value;
    }
    return choice;
}

ParsedLoops parseTemplate(const TemplateChoice& choice) {
    if (choice.chosen == nullptr || choice.fault != TemplateFaultKind::None) {
        ParsedLoops none;
        none.fault.kind = LoopFaultKind::NoAccesses;
        return none;
    }
    return parseLoopProgram(templateDescription(*choice.chosen), choice.values);
}

std::string templateList(LabLanguage language) {
    std::string list(loopText(language, LoopText::TemplateListHead));
    for (const LoopTemplate& loops : templates) {
        list += "\n";
        list += loops.name;
        list += ": ";
        list += loopText(language, loops.summary);
        list += "\n";
        for (const TemplateParameter& parameter : loops.parameters) {
            list += loopText(language, LoopText::TemplateListParameter,
                             {parameter.key, loopText(language, parameter.meaning),
                              number(parameter.byDefault), number(parameter.least), number(parameter.most)});
        }
        const std::string text = templateDescription(loops);
        std::string_view description = text;
        while (!description.empty()) {
            const std::size_t end = description.find('\n');
            list += "    ";
            list += description.substr(0, end);
            list += "\n";
            description.remove_prefix(end == std::string_view::npos ? description.size() : end + 1);
        }
    }
    return list;
}

std::string templateFaultMessage(LabLanguage language, const TemplateChoice& choice) {
    const std::string_view text = choice.text;
    switch (choice.fault) {
    case TemplateFaultKind::UnknownTemplate:
        return loopText(language, LoopText::TemplateUnknown, {text, templateNames()});
    case TemplateFaultKind::MissingValue:
        return loopText(language, LoopText::TemplateMissingValue, {text});
    case TemplateFaultKind::UnknownKey:
        return loopText(language, LoopText::TemplateUnknownKey,
                        {text, choice.chosen->name, parameterKeys(*choice.chosen)});
    case TemplateFaultKind::RepeatedKey:
        return loopText(language, LoopText::TemplateRepeatedKey, {text});
    case TemplateFaultKind::BadValue:
        return loopText(language, LoopText::TemplateBadValue,
                        {text, number(choice.parameter->least), number(choice.parameter->most)});
    case TemplateFaultKind::None:
        break;
    }
    return {};
}

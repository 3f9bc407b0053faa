// Every label of both dialogs shows its whole text in the dialog's own font: measured as the static control
// draws it (word-wrapped to its width), the text must fit the control's client rectangle, on one line where the
// template gives the label one line of height. Under Wine this depends on the faces that the prefix gives the
// fonts the templates name.

#include "windows/shell_state.h"
#include "app_fixture.h"
#include "resources/resource_ids.h"

#include <string>
#include <vector>

namespace {

struct LabelFit {
    std::wstring text;
    SIZE client{};
    SIZE needed{};
    int lineHeight = 0;
};

bool isTextLabel(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    return lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT;
}

// The text as the label draws it: in its font, broken at words to its client width.
LabelFit measureLabel(HWND label) {
    LabelFit fit;
    wchar_t text[256] = {};
    GetWindowTextW(label, text, 256);
    fit.text = text;
    RECT client{};
    GetClientRect(label, &client);
    fit.client = SIZE{client.right, client.bottom};

    const HDC dc = GetDC(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font);
    const UINT prefix = (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    RECT needed{0, 0, client.right, 0};
    DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    fit.needed = SIZE{needed.right, needed.bottom};
    fit.lineHeight = metrics.tmHeight;
    return fit;
}

std::vector<LabelFit> measureLabels(HWND dialog) {
    std::vector<LabelFit> fits;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isTextLabel(child)) {
            fits.push_back(measureLabel(child));
        }
    }
    return fits;
}

// Whole: no word wider than the label, no line below its bottom, and one line in a label of one line's height.
bool isWhole(const LabelFit& fit) {
    const bool oneLineLabel = fit.client.cy < 2 * fit.lineHeight;
    return fit.needed.cx <= fit.client.cx && fit.needed.cy <= fit.client.cy &&
           (!oneLineLabel || fit.needed.cy == fit.lineHeight);
}

std::string describe(const LabelFit& fit) {
    return "\"" + std::string(fit.text.begin(), fit.text.end()) + "\" needs " + std::to_string(fit.needed.cx) +
           " x " + std::to_string(fit.needed.cy) + " px, has " + std::to_string(fit.client.cx) + " x " +
           std::to_string(fit.client.cy) + " px (one line: " + std::to_string(fit.lineHeight) + " px)";
}

void expectEveryLabelWhole(HWND dialog, std::size_t labelCount) {
    const std::vector<LabelFit> fits = measureLabels(dialog);
    EXPECT_EQ(fits.size(), labelCount);
    for (const LabelFit& fit : fits) {
        EXPECT_TRUE(isWhole(fit)) << describe(fit);
    }
}

using DialogLabels = Application;

TEST_F(DialogLabels, EveryConfigurationLabelShowsItsWholeTextOnOneLine) {
    expectEveryLabelWhole(openConfigurationDialog(), 9);
}

TEST_F(DialogLabels, EveryHelpLabelShowsItsWholeText) {
    sendCommand(IDM_HELP);
    ASSERT_TRUE(IsWindow(helpDialog));
    expectEveryLabelWhole(helpDialog, 15);
}

} // namespace

#include "view/main_view.h"

#include "config/cache_config.h"
#include "engine/miss_rate.h"
#include "view/block_panels.h"
#include "view/gdi_objects.h"
#include "view/label_text.h"
#include "view/miss_chart.h"
#include "view/view_layout.h"

#include <string>

namespace {

constexpr int individualPanelColumns = 2;
constexpr POINT splashCorner{150, 50};
constexpr POINT diagramCorner{350, 50};
constexpr POINT setAssociativeDiagramCorner{350, 30}; // the tallest diagram sits higher

constexpr const wchar_t* individualRamTitle = L"MEMORIA RAM (bloc B, tag T)";
constexpr const wchar_t* sequenceCacheTitle = L"BLOCURILE IN MEMORIA CACHE (bloc: tag)";
constexpr const wchar_t* sequenceRamTitle = L"BLOCURILE IN MEMORIA RAM (bloc B, tag T)";
constexpr const wchar_t* randomSequenceChartTitle =
    L"(Decizia hit/miss cache - secventa aleatoare de blocuri (negru - hit/miss, rosu - rata de pierderi))";
constexpr const wchar_t* givenSequenceChartTitle =
    L"(Decizia hit/miss cache - secventa data de blocuri (negru - hit/miss, rosu - rata de pierderi))";

// A face the system does not have is replaced by the font mapper's own choice.
HFONT createLabelFont(const ViewLayout& layout) {
    return CreateFontW(labelFontHeight(layout), 7, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH,
                       L"NewFont");
}

// The spaces push the method sentence to the right, over the diagram.
std::wstring individualCacheTitle(const wchar_t* methodSentence) {
    return L"MEMORIA CACHE (bloc: tag)" + std::wstring(2, L'\t') + std::wstring(34, L' ') + methodSentence;
}

struct MethodScene {
    const wchar_t* sentence;
    DiagramBitmap diagram;
    POINT corner;
};

MethodScene methodScene(MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        return {L"METODA DE MAPARE ASOCIATIVA A MEMORIEI CACHE ", AssociativeMappingBitmap, diagramCorner};
    case MappingMethod::SetAssociative:
        return {L"METODA DE MAPARE ASOCIATIVA PE SETURI A MEMORIEI CACHE ", SetAssociativeMappingBitmap,
                setAssociativeDiagramCorner};
    case MappingMethod::Direct:
        break;
    }
    return {L"METODA DE MAPARE DIRECTA A MEMORIEI CACHE ", DirectMappingBitmap, diagramCorner};
}

// The method's diagram beside the bookkeeping and the cache after the single step; the diagram goes last.
void drawIndividualScene(HDC dc, const ViewLayout& layout, const RECT& client) {
    const MethodScene scene = methodScene(cacheConfig.mappingMethod);
    const int left = layout.colUnit / 2;
    drawLabel(dc, individualCacheTitle(scene.sentence), RECT{left, 0, client.right, layout.cellH},
              leftAlignedLine);
    // Centred over the two panel columns.
    drawLabel(dc, individualRamTitle,
              ramTitleRect(layout, left,
                           layout.colUnit + left + individualPanelColumns * layout.cellW + layout.cellGap),
              centredLine);
    drawBlockPanels(individualPanelColumns, cacheConfig.cacheBlockCount, layout, dc);
    blitBitmap(dc, diagramBitmaps[scene.diagram], scene.corner.x, scene.corner.y);
}

void drawSequencePanelsScene(HDC dc, const ViewLayout& layout, const RECT& client) {
    drawLabel(dc, sequenceCacheTitle, RECT{0, 0, client.right, layout.cellH}, centredLine);
    drawLabel(dc, sequenceRamTitle, ramTitleRect(layout, 0, client.right), centredLine);
    drawBlockPanels(sequencePanelColumns, cacheConfig.cacheBlockCount, layout, dc);
}

// The title names the colours of the two lines: the chart has no legend.
void drawChartScene(HDC dc, const ViewLayout& layout, const wchar_t* title) {
    drawLabel(dc, title, chartTitleRect(layout), centredLine);
    const OwnedGdiObject<HPEN> outcomePen(CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    const OwnedGdiObject<HPEN> gridPen(CreatePen(PS_DOT, 1, RGB(200, 200, 200)));
    const OwnedGdiObject<HPEN> ratePen(CreatePen(PS_SOLID, 3, RGB(255, 0, 0)));
    drawMissChart(dc, layout, outcomePen.get(), gridPen.get(), ratePen.get());
}

void drawResultsScene(HDC dc, const ViewLayout& layout, const RECT& client) {
    const SelectedGdiObject<HFONT> labelFont(dc, createLabelFont(layout));
    switch (cacheConfig.workMode) {
    case WorkMode::Individual:
        drawIndividualScene(dc, layout, client);
        break;
    case WorkMode::RandomSequence:
        drawChartScene(dc, layout, randomSequenceChartTitle);
        break;
    case WorkMode::GivenSequence:
        if (cacheConfig.iterationCount == 1) {
            drawSequencePanelsScene(dc, layout, client);
        } else {
            drawChartScene(dc, layout, givenSequenceChartTitle);
        }
        break;
    }
}

} // namespace

// With results ready but a configuration that does not validate, nothing is drawn: the client stays blank.
void paintMainView(HDC dc, const RECT& client) {
    computeMissRate();
    const ViewLayout layout = computeViewLayout(client);
    if (resultsReady == 0) {
        blitBitmap(dc, diagramBitmaps[SplashBitmap], splashCorner.x, splashCorner.y);
    }
    if (cacheConfig.configErrors == 0 && resultsReady == 1) {
        drawResultsScene(dc, layout, client);
    }
}

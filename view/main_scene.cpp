#include "view/main_scene.h"

#include "config/cache_config.h"
#include "engine/miss_rate.h"
#include "language/catalogue.h"
#include "view/block_panels.h"
#include "view/label_text.h"
#include "view/miss_chart.h"
#include "view/view_layout.h"

#include <string>

namespace {

constexpr int individualPanelColumns = 2;
constexpr ScenePoint splashCorner{150, 50};
constexpr ScenePoint diagramCorner{350, 50};
constexpr ScenePoint setAssociativeDiagramCorner{350, 30}; // the tallest diagram sits higher

// The titles, named for the catalogue, which translates them where the scene is shown in another language.
constexpr const char* individualRamTitle = catalogueText("MEMORIA RAM (bloc B, tag T)");
constexpr const char* sequenceCacheTitle = catalogueText("BLOCURILE IN MEMORIA CACHE (bloc: tag)");
constexpr const char* sequenceRamTitle = catalogueText("BLOCURILE IN MEMORIA RAM (bloc B, tag T)");
constexpr const char* randomSequenceChartTitle = catalogueText(
    "(Decizia hit/miss cache - secventa aleatoare de blocuri (negru - hit/miss, rosu - rata de pierderi))");
constexpr const char* givenSequenceChartTitle = catalogueText(
    "(Decizia hit/miss cache - secventa data de blocuri (negru - hit/miss, rosu - rata de pierderi))");

constexpr ChartPens chartPens{
    .outcome = {.style = PenStyle::Solid, .width = 3, .color = sceneRgb(0, 0, 0)},
    .grid = {.style = PenStyle::Dotted, .width = 1, .color = sceneRgb(200, 200, 200), .gaps = sceneWhite},
    .rate = {.style = PenStyle::Solid, .width = 3, .color = sceneRgb(255, 0, 0)},
};

// The spaces push the method sentence to the right, over the diagram.
std::string individualCacheTitle(const char* methodSentence, Language language) {
    return translated(language, "MEMORIA CACHE (bloc: tag)") + std::string(2, '\t') + std::string(34, ' ') +
           translated(language, methodSentence);
}

struct MethodScene {
    const char* sentence;
    ScenePicture diagram;
    ScenePoint corner;
};

MethodScene methodScene(MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        return {catalogueText("METODA DE MAPARE ASOCIATIVA A MEMORIEI CACHE "),
                ScenePicture::AssociativeMapping, diagramCorner};
    case MappingMethod::SetAssociative:
        return {catalogueText("METODA DE MAPARE ASOCIATIVA PE SETURI A MEMORIEI CACHE "),
                ScenePicture::SetAssociativeMapping, setAssociativeDiagramCorner};
    case MappingMethod::Direct:
        break;
    }
    return {catalogueText("METODA DE MAPARE DIRECTA A MEMORIEI CACHE "), ScenePicture::DirectMapping,
            diagramCorner};
}

// The method's diagram beside the bookkeeping and the cache after the single step; the diagram goes last.
void recordIndividualScene(const ViewLayout& layout, const SceneRect& client, Language language,
                           Scene& scene) {
    const MethodScene method = methodScene(cacheConfig.mappingMethod);
    const SceneFont font = labelFont(layout);
    const int left = layout.colUnit / 2;
    addLabel(scene, individualCacheTitle(method.sentence, language), {left, 0, client.right, layout.cellH},
             font, leftAlignedLine);
    // Centred over the two panel columns.
    addLabel(scene, translated(language, individualRamTitle),
             ramTitleRect(layout, left,
                          layout.colUnit + left + individualPanelColumns * layout.cellW + layout.cellGap),
             font, centredLine);
    drawBlockPanels(individualPanelColumns, cacheConfig.cacheBlockCount, layout, scene);
    scene.emplace_back(PictureCmd{.picture = method.diagram, .corner = method.corner});
}

void recordSequencePanelsScene(const ViewLayout& layout, const SceneRect& client, Language language,
                               Scene& scene) {
    const SceneFont font = labelFont(layout);
    addLabel(scene, translated(language, sequenceCacheTitle), {0, 0, client.right, layout.cellH}, font,
             centredLine);
    addLabel(scene, translated(language, sequenceRamTitle), ramTitleRect(layout, 0, client.right), font,
             centredLine);
    drawBlockPanels(sequencePanelColumns, cacheConfig.cacheBlockCount, layout, scene);
}

// The title names the colours of the two lines: the chart has no legend.
void recordChartScene(const ViewLayout& layout, const char* title, Language language, Scene& scene) {
    addLabel(scene, translated(language, title), chartTitleRect(layout), labelFont(layout), centredLine);
    drawMissChart(layout, chartPens, scene, language);
}

void recordResultsScene(const ViewLayout& layout, const SceneRect& client, Language language, Scene& scene) {
    switch (cacheConfig.workMode) {
    case WorkMode::Individual:
        recordIndividualScene(layout, client, language, scene);
        break;
    case WorkMode::RandomSequence:
        recordChartScene(layout, randomSequenceChartTitle, language, scene);
        break;
    case WorkMode::GivenSequence:
        if (cacheConfig.iterationCount == 1) {
            recordSequencePanelsScene(layout, client, language, scene);
        } else {
            recordChartScene(layout, givenSequenceChartTitle, language, scene);
        }
        break;
    }
}

} // namespace

// With results ready but a configuration that does not validate, nothing is drawn: the client stays blank.
Scene recordMainView(const SceneRect& client) {
    return recordMainViewIn(client, Language::Romanian);
}

Scene recordMainViewIn(const SceneRect& client, Language language) {
    computeMissRate();
    const ViewLayout layout = computeViewLayout(client);
    Scene scene;
    if (resultsReady == 0) {
        scene.emplace_back(PictureCmd{.picture = ScenePicture::Splash, .corner = splashCorner});
    }
    if (cacheConfig.configErrors == 0 && resultsReady == 1) {
        recordResultsScene(layout, client, language, scene);
    }
    return scene;
}

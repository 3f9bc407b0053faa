#pragma once

#include "config/capacities.h"
#include "view/scene_commands.h"

// The panels of a given sequence run once: one column per access of the ten addresses.
inline constexpr int sequencePanelColumns = addressFieldCount;

// Where the main view puts its panels and chart, in client-area pixels. The panels follow the client size;
// the chart keeps its place and size whatever the client size.
struct ViewLayout {
    int cellGap = 5; // horizontal gap between panel columns
    int colUnit = 0; // left offset of the panel columns
    int rowUnit = 0; // top offset of the panel rows
    int cellW = 0;   // width of one panel column
    int cellH = 0;   // height of one panel row
    int chartLeft = 70;
    int chartTop = 30;
    int chartRight = 870;
    int chartBottom = 430;
};

// The layout for the client rectangle (0, 0, W, H), in truncating integer arithmetic.
ViewLayout computeViewLayout(const SceneRect& client);

// Height of the font of every label and title of the results scenes.
int labelFontHeight(const ViewLayout& layout);

// Panel geometry: column r, row k (one row per cache block), and the strip of RAM cells under the 16 rows.
int panelColumnLeft(const ViewLayout& layout, int column);
int panelRowTop(const ViewLayout& layout, int row);
SceneRect cacheCellRect(const ViewLayout& layout, int column, int row);
int ramStripTop(const ViewLayout& layout);
SceneRect ramCellRect(const ViewLayout& layout, int column);

// The row of the RAM strip's title, one row below the place of the cache rows and the strip, from left to
// right.
SceneRect ramTitleRect(const ViewLayout& layout, int left, int right);

// The rectangle of the chart's title. Its bottom lies above its top at ordinary client heights; the title is
// centred on its mid-point all the same.
SceneRect chartTitleRect(const ViewLayout& layout);

#include "view/main_view.h"

#include "view/gdi_surface.h"
#include "view/main_scene.h"

void paintMainView(HDC dc, const RECT& client) {
    replayScene(dc, recordMainView(SceneRect{client.left, client.top, client.right, client.bottom}));
}

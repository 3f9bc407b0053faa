#include "windows/main_view.h"

#include "view/main_scene.h"
#include "windows/gdi_surface.h"

void paintMainView(HDC dc, const RECT& client) {
    replayScene(dc, recordMainView(SceneRect{client.left, client.top, client.right, client.bottom}));
}

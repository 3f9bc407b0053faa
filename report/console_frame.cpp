#include "report/console_frame.h"

#include "config/cache_config.h"

int consoleHeight() {
    const bool fullReport = cacheConfig.configErrors == 0 && simulationStarted == 1;
    return fullReport ? fullReportConsoleHeight : shortReportConsoleHeight;
}

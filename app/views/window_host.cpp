#include "views/window_host.h"

namespace {
CWindowHost* g_currentHost = nullptr;
}

CWindowHost* CWindowHost::Current() {
    return g_currentHost;
}

void CWindowHost::SetCurrent(CWindowHost* host) {
    g_currentHost = host;
}

#include "views/case_host.h"

namespace {
CCaseHost* g_currentHost = nullptr;
}

CCaseHost* CCaseHost::Current() { return g_currentHost; }

void CCaseHost::SetCurrent(CCaseHost* host) { g_currentHost = host; }

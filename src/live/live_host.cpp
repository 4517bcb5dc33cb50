#include "live/live_host.h"

namespace zim {

namespace {

LiveHost defaultHost;
LiveHost* currentHost = &defaultHost;

} // namespace

int LiveHost::message(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void LiveHost::userSubroutine(int, int) {}

LiveHost& liveHost() {
    return *currentHost;
}

void setLiveHost(LiveHost* host) {
    currentHost = host ? host : &defaultHost;
}

} // namespace zim

#include "engine/input/close_signals.h"
#include <SDL.h>
#include <csignal>

namespace wispwood {
namespace {

volatile std::sig_atomic_t pendingSignal = 0;

extern "C" void OnCloseSignal(int signal) {
    if (pendingSignal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    pendingSignal = signal;
}

} // namespace

void InstallCloseSignalHandlers() {
    // SDL would otherwise put its own handlers in when it starts up.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction action = {};
    action.sa_handler = OnCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TakeCloseSignal() {
    if (!pendingSignal) return false;
    pendingSignal = 0;
    return true;
}

} // namespace wispwood

#include "SkelvorAppDelegate.h"

namespace {

SkelvorAppDelegate* running = nullptr;

}  // namespace

SkelvorAppDelegate::SkelvorAppDelegate() : previous_(running) { running = this; }

SkelvorAppDelegate::~SkelvorAppDelegate() {
    if (running == this) running = previous_;
}

SkelvorAppDelegate* SkelvorAppDelegate::shared() { return running; }

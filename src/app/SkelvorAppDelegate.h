// The application delegate: the single owner of the settings and the observer's position, and
// later of the catalogue, the saved state and the element-set update.
#pragma once

#include "SettingsStore.h"

class SkelvorAppDelegate : public SettingsStore {
public:
    SkelvorAppDelegate();
    ~SkelvorAppDelegate() override;

    // The running application's delegate: the one created last and still alive.
    static SkelvorAppDelegate* shared();

private:
    SkelvorAppDelegate* previous_;
};

#pragma once

// The values of Config.PrivateMode: how the server and the client treat private messages.
enum PrivateModeValue : int {
    kModeNormal = 0,
    kModeNoNewPrivate = 1,
    kModeBusy = 2,
    kModeAnsweringMachine = 3,
};

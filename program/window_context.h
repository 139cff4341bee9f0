#pragma once

class TBabillon;
class ChatWindows;
struct ProgramState;

// What every child window may reach: the session, the program-wide state and the registry.
// All three belong to the main window and outlive its children.
struct WindowContext {
    TBabillon& session;
    ProgramState& state;
    ChatWindows& windows;
};

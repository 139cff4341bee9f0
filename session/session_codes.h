#pragma once

#include <cstdint>

// The numbers that the session's events carry. They keep their values: the debug console,
// the error texts and the owner's checks are written against them.

// The connection state (VekState): the four login steps on the identification server, then
// the chat server.
enum class TVekState : std::uint8_t {
    Failed = 0,      // idle after an error; the next Connect starts the login again
    Cookie = 1,      // asking for the session cookie
    ConfigPage = 2,  // asking for the chat configuration page
    Validation = 3,  // posting the chat validation form
    TempId = 4,      // asking for the temporary identifier
    Chat = 5,        // on the chat server
};

// A failure of the session (OnError); TBabillon::ErrorText gives its French text.
enum class TVekError : std::uint8_t {
    Unknown = 0,        // never raised by the session
    CannotConnect = 1,  // the socket could not be opened
    BadPassword = 2,    // the login answer holds the bad-login text
    Problem3 = 3,       // the login answer holds the problem -3 text
    Problem4 = 4,       // the login answer holds the problem -4 text
    BrowserNotice = 5,  // the identifier answer is the unsupported-browser page
    WrongState = 6,     // a login request asked for outside its own state
    NoPseudo = 7,       // no account name
    NoAlias = 8,        // never raised by the session: an empty alias takes the account name
    NoPass = 9,         // no password
    NoAddress = 10,     // an address empty or a port out of range at Connect
};

// The category of a debug line (OnDebug), which colours it in the debug console; a number
// outside the list shows as Standard.
enum class DebugCategory : std::uint8_t {
    Standard = 0,  // connection steps
    Ok = 1,        // a step completed
    Warning = 2,   // something the user may want to know of
    Connex = 3,    // HTTP requests sent
    Chat = 4,      // chat lines, traced by the dispatcher
    Error = 5,     // the session's failures, as the user is told them
};

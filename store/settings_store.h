#pragma once

#include <string>
#include <string_view>

#include "net/tcp_client.h"
#include "store/settings.h"

// "config.vek" in the program's directory: every setting of TConfig, read with its default
// and written back in one go.

// The settings as stored; a missing or unreadable file, or a missing key, gives the key's
// default. The sound file defaults to "peewee.wav" in the program's directory.
TConfig LoadConfig();

// Writes every setting of `values` and its RepPerso list (as the keys "0", "1", ...), then
// loads the file again into `config`, so that the record and the file agree. DefColor,
// DefTaille, TimeOccupe and RepType at -1 are not written: the stored value stays. Returns
// false with the reason in *error when the file could not be written; it then stays as it
// was.
bool SaveConfig(const TConfig& values, TConfig& config, std::string* error = nullptr);

// The record of a program without "config.vek".
TConfig DefaultConfig();

// A port as typed: a text that is not a number from 1 to 65535 gives 0, which the session
// refuses.
int PortNumber(std::string_view text);

// "4" is SOCKS 4, "4A" SOCKS 4A, anything else SOCKS 5; as the position 0, 1 or 2 of the
// version list of the configuration dialog, and as the session's SOCKS version.
int ProxyVersionIndex(std::string_view text);
std::string ProxyVersionText(int index);
net::SocksVersion ProxySocksVersion(std::string_view text);

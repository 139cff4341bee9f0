#include "store/settings_store.h"

#include <array>
#include <charconv>

#include "platform/exe_dir.h"
#include "platform/ini_file.h"

namespace {

constexpr const char* kFileName = "config.vek";
constexpr const char* kRepPersoSection = "RepPerso";

// DefColor, DefTaille, TimeOccupe and RepType come from list positions: -1 (no selection)
// leaves the stored value.
enum class Write { Always, UnlessMinusOne };

constexpr std::array<const char*, 9> kFunctionKeys = {"F1", "F2", "F3", "F4", "F5",
                                                      "F6", "F7", "F8", "F9"};

// Every key of the file, in the order in which it is read and written. Defaults and length
// limits are those of TConfig's fields.
template <class Record, class Visit>
void ForEachSetting(Record& c, Visit&& visit) {
    visit("Debug", "Show", c.Show, Write::Always);
    visit("General", "DefColor", c.DefColor, Write::UnlessMinusOne);
    visit("General", "DefTaille", c.DefTaille, Write::UnlessMinusOne);
    visit("General", "Police", c.Police, Write::Always);
    visit("General", "Image", c.Image, Write::Always);
    visit("General", "Son", c.Son, Write::Always);
    visit("General", "ActivSon", c.ActivSon, Write::Always);
    visit("General", "TimeOccupe", c.TimeOccupe, Write::UnlessMinusOne);
    visit("General", "LongPhraseCut", c.LongPhraseCut, Write::Always);
    visit("General", "DoNothing", c.DoNothing, Write::Always);
    visit("General", "ListPerm", c.ListPerm, Write::Always);
    visit("General", "MaxMessages", c.MaxMessages, Write::Always);
    visit("Connexion", "AdrID", c.AdrID, Write::Always);
    visit("Connexion", "PortID", c.PortID, Write::Always);
    visit("Connexion", "AdrChat", c.AdrChat, Write::Always);
    visit("Connexion", "PortChat", c.PortChat, Write::Always);
    visit("Connexion", "ProxyVersion", c.ProxyVersion, Write::Always);
    visit("Connexion", "ProxyHTTPAdr", c.ProxyHTTPAdr, Write::Always);
    visit("Connexion", "ProxyHTTPPort", c.ProxyHTTPPort, Write::Always);
    visit("Connexion", "ProxyTCPAdr", c.ProxyTCPAdr, Write::Always);
    visit("Connexion", "ProxyTCPPort", c.ProxyTCPPort, Write::Always);
    visit("Connexion", "ProxyIDName", c.ProxyIDName, Write::Always);
    visit("Connexion", "ProxyIDPass", c.ProxyIDPass, Write::Always);
    for (std::size_t i = 0; i < kFunctionKeys.size(); ++i) {
        visit("EasyPhrases", kFunctionKeys[i], c.EasyPhrases[i], Write::Always);
    }
    visit("Repondeur", "RepType", c.RepType, Write::UnlessMinusOne);
    visit("Repondeur", "RepMsgGeneral", c.RepMsgGeneral, Write::Always);
    visit("Repondeur", "RepMsgAmis", c.RepMsgAmis, Write::Always);
    visit("Repondeur", "RepMsgPerso", c.RepMsgPerso, Write::Always);
}

// Each field holds its default when read.
void Read(const platform::IniFile& ini, const char* s, const char* k, bool& field) {
    field = ini.ReadBool(s, k, field);
}
void Read(const platform::IniFile& ini, const char* s, const char* k, int& field) {
    field = ini.ReadInteger(s, k, field);
}
void Read(const platform::IniFile& ini, const char* s, const char* k, std::string& field) {
    field = ini.ReadString(s, k, field);
}
template <std::size_t N>
void Read(const platform::IniFile& ini, const char* s, const char* k, LimitedText<N>& field) {
    field = ini.ReadString(s, k, field.str());
}

void Store(platform::IniFile& ini, const char* s, const char* k, bool value, Write) {
    ini.WriteBool(s, k, value);
}
void Store(platform::IniFile& ini, const char* s, const char* k, int value, Write rule) {
    if (rule == Write::UnlessMinusOne && value == -1) return;
    ini.WriteInteger(s, k, value);
}
void Store(platform::IniFile& ini, const char* s, const char* k, const std::string& value, Write) {
    ini.WriteString(s, k, value);
}

bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

TConfig DefaultConfig() {
    TConfig config;
    config.Son = platform::ExeDirText() + "peewee.wav";
    return config;
}

TConfig LoadConfig() {
    const platform::IniFile ini(platform::DataFilePath(kFileName));
    TConfig config = DefaultConfig();
    ForEachSetting(config, [&ini](const char* section, const char* key, auto& field, Write) {
        Read(ini, section, key, field);
    });
    for (const std::string& line : ini.SectionLines(kRepPersoSection)) {
        config.RepPerso.push_back(line.substr(line.find('=') + 1));
    }
    if (config.MaxMessages < 0) config.MaxMessages = TConfig{}.MaxMessages;
    return config;
}

bool SaveConfig(const TConfig& values, TConfig& config, std::string* error) {
    platform::IniFile ini(platform::DataFilePath(kFileName));
    ForEachSetting(values, [&ini](const char* section, const char* key, const auto& value,
                                  Write rule) { Store(ini, section, key, value, rule); });
    ini.EraseSection(kRepPersoSection);
    for (std::size_t i = 0; i < values.RepPerso.size(); ++i) {
        ini.WriteString(kRepPersoSection, std::to_string(i), values.RepPerso[i]);
    }
    const bool saved = ini.Save(error);
    // The private-message mode is not stored: it survives the reload.
    const int mode = config.PrivateMode;
    config = LoadConfig();
    config.PrivateMode = mode;
    return saved;
}

int PortNumber(std::string_view text) {
    text = Trimmed(text);
    int port = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return 0;
    return port >= 1 && port <= 65535 ? port : 0;
}

int ProxyVersionIndex(std::string_view text) {
    text = Trimmed(text);
    if (text == "4") return 0;
    if (text == "4A" || text == "4a") return 1;
    return 2;
}

std::string ProxyVersionText(int index) {
    switch (index) {
        case 0:
            return "4";
        case 1:
            return "4A";
        default:
            return "5";
    }
}

net::SocksVersion ProxySocksVersion(std::string_view text) {
    switch (ProxyVersionIndex(text)) {
        case 0:
            return net::SocksVersion::svSocks4;
        case 1:
            return net::SocksVersion::svSocks4A;
        default:
            return net::SocksVersion::svSocks5;
    }
}

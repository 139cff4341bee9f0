#pragma once

#include <array>
#include <string>
#include <vector>

#include "session/limited_text.h"

// The program-wide settings record, as loaded from "config.vek". Field names are the keys
// of the file. Ports stay text here; the connect action turns them into numbers.
struct TConfig {
    // [Debug]
    bool Show = false;
    // [General]
    int DefColor = 0;
    int DefTaille = 1;
    std::string Police = "Tahoma";
    std::string Image;
    std::string Son;  // default: the program's directory + "peewee.wav"
    bool ActivSon = true;
    int TimeOccupe = 31;
    bool LongPhraseCut = true;
    bool DoNothing = false;
    bool ListPerm = true;
    // Messages kept in each conversation view; the oldest go first. 0 keeps them all.
    int MaxMessages = 10000;
    // [Connexion]
    LimitedText<255> AdrID{"127.0.0.1"};
    LimitedText<5> PortID{"80"};
    LimitedText<255> AdrChat{"127.0.0.1"};
    LimitedText<5> PortChat{"6666"};
    LimitedText<2> ProxyVersion;
    LimitedText<255> ProxyHTTPAdr;
    LimitedText<5> ProxyHTTPPort;
    LimitedText<255> ProxyTCPAdr;
    LimitedText<5> ProxyTCPPort;
    LimitedText<255> ProxyIDName;
    LimitedText<255> ProxyIDPass;
    // [EasyPhrases] F1..F9
    std::array<LimitedText<255>, 9> EasyPhrases;
    // [Repondeur]
    int RepType = 0;
    std::string RepMsgGeneral;
    std::string RepMsgAmis;
    std::string RepMsgPerso;
    // [RepPerso] values, in file order
    std::vector<std::string> RepPerso;

    // Not stored: the current private-message mode (0 normal, 1 no new privates, 2 busy,
    // 3 answering machine).
    int PrivateMode = 0;
};

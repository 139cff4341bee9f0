#pragma once

#include "session/limited_text.h"

// One saved identity of "ID.vek", and the values of the last connection (LastIdentity).
struct IdentityRecord {
    LimitedText<32> alias;
    LimitedText<32> pseudo;
    LimitedText<5> age;
    LimitedText<25> ville;
    LimitedText<7> sexe{"Inconnu"};  // "Homme", "Femme" or "Inconnu"
    int sexe_index = 2;              // LastIdentity only: 0 Homme, 1 Femme, 2 Inconnu
    LimitedText<30> salon;
    LimitedText<80> status{"en ligne"};
};

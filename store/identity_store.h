#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/identity_record.h"

// "ID.vek" in the program's directory: one section per saved identity, named by its alias.
// Passwords are never stored.

// The identity saved under that alias; missing keys read as empty, except "sexe"
// ("Inconnu") and "status" ("en ligne").
IdentityRecord ReadIdentity(std::string_view alias);

// Creates or overwrites the alias's section with the keys pseudo, age, sexe, ville, salon
// and status. False with the reason in *error when the file could not be written.
bool WriteIdentity(std::string_view alias, std::string_view pseudo, std::string_view age,
                   std::string_view sexe, std::string_view ville, std::string_view salon,
                   std::string_view status, std::string* error = nullptr);

bool DeleteIdentity(std::string_view alias, std::string* error = nullptr);

// The aliases of the saved identities, in file order.
std::vector<std::string> IdentityAliases();

// The list item of an identity: HTML showing alias, pseudo, age, sex, town and room. The
// texts are escaped, so that an alias holding "</b>" or "<" cannot break the item.
std::string IdentityListItem(const IdentityRecord& identity);

// The alias of a list item: the text between its first "<b>" and its first "</b>".
std::string AliasOfItem(std::string_view item);

// The sex list of the connection dialog: "Homme" 0, "Femme" 1, anything else 2 ("Inconnu").
int SexIndex(std::string_view sexe);
// The session's Sexe (0 woman, 1 man, 2 unknown) for a position of that list.
std::uint8_t SessionSexe(int index);

// The room to enter at login for the room field: "*" enters no room, an empty field the
// default room.
std::string LoginRoom(std::string_view salon);
inline constexpr const char* kDefaultRoom = "VIP Babillon";

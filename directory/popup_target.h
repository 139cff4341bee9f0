#pragma once

#include <QString>
#include <optional>

class BabiListBox;

// The entry a context menu was opened on, kept by a key read from its item text rather than
// by its row: a list rebuilt while the menu is open must not turn the action onto another
// entry. An entry that has left the list meanwhile is acted on no more.
class PopupTarget {
  public:
    // The key of an entry from its item text; an empty key marks an item that carries
    // nothing to act on.
    using KeyOf = QString (*)(const QString& item);

    explicit PopupTarget(KeyOf key_of) : key_of_(key_of) {}

    // The entry at that row, or none for a row outside the list (a click below the items).
    void Remember(const BabiListBox& list, int row);
    // The item text of the remembered entry as the list holds it now; empty when none was
    // remembered or it is no longer listed.
    QString Item(const BabiListBox& list) const;

  private:
    KeyOf key_of_;
    std::optional<QString> key_;
};

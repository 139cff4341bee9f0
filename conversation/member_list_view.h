#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <string>
#include <string_view>
#include <vector>

#include "conversation/member_list.h"

struct ProgramState;
class TBabillon;

// The entries of the room's member list, built from the member table; the display role is
// the whole entry.
class MemberListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    // Lists the table anew and returns its counts.
    RoomCounts Rebuild(const MemberTable& table);
    std::string_view Entry(int row) const { return entries_.at(row); }
    // The row of the member with that key, -1 when it is not listed.
    int RowOfKey(const std::string& key) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    // The entries live in the builder.
    MemberListBuilder builder_;
    std::vector<std::string_view> entries_;
};

// Draws a member entry: nickname and display in the colour of its colour word, bold for the
// user's own entry, on a light blue fill when selected.
class MemberEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kEntryHeight = 15;

    MemberEntryDelegate(ProgramState& state, const TBabillon& session, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    ProgramState& state_;
    const TBabillon& session_;
};

// The text colour of a colour word; black for an unknown word.
QColor MemberColour(const std::string& colour_word);
// What the list shows of a parsed entry: "nickname (display)".
QString MemberShownText(const MemberRecord& member);

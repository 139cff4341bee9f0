#include "conversation/member_list_view.h"

#include <QPainter>

#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/windows_colour.h"

namespace {

constexpr std::uint32_t kSelectedFill = 0xFFE6E6;

}  // namespace

RoomCounts MemberListModel::Rebuild(const MemberTable& table) {
    // The build replaces what the entries point to: the views let go of them first.
    beginResetModel();
    MemberListing list = builder_.Build(table);
    entries_ = std::move(list.entries);
    endResetModel();
    return list.counts;
}

int MemberListModel::RowOfKey(const std::string& key) const {
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (MemberEntryField(entries_[row], 3) == key) return static_cast<int>(row);
    }
    return -1;
}

int MemberListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant MemberListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return FromAnsi(std::string(entries_[index.row()]));
}

QColor MemberColour(const std::string& colour_word) {
    // Windows colour values: red in the low byte.
    if (colour_word == "rose") return FromWindowsColour(0xFF00FF);
    if (colour_word == "bleu") return FromWindowsColour(0xFF0000);
    if (colour_word == "vert") return FromWindowsColour(0x008080);
    if (colour_word == "gris") return FromWindowsColour(0x808080);
    if (colour_word == "oran") return FromWindowsColour(0x009DFF);
    return Qt::black;
}

QString MemberShownText(const MemberRecord& member) {
    return FromAnsi(member.nickname.str() + " (" + member.display + ")");
}

MemberEntryDelegate::MemberEntryDelegate(ProgramState& state, const TBabillon& session,
                                         QObject* parent)
    : QStyledItemDelegate(parent), state_(state), session_(session) {}

void MemberEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const auto* model = static_cast<const MemberListModel*>(index.model());
    const MemberRecord member = ParseMemberEntry(model->Entry(index.row()));
    painter->save();
    if (option.state & QStyle::State_Selected) {
        state_.LastSelectedIndex = index.row();
        painter->fillRect(option.rect, FromWindowsColour(kSelectedFill));
    } else {
        painter->fillRect(option.rect, Qt::white);
    }
    QFont font = option.font;
    font.setBold(!member.key.empty() && member.key == session_.ServerId.str());
    painter->setFont(font);
    painter->setPen(MemberColour(member.colour));
    const QRect text_rect = option.rect.adjusted(1, 1, 0, 0);
    painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(MemberShownText(member), Qt::ElideRight,
                                                        text_rect.width()));
    painter->restore();
}

QSize MemberEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kEntryHeight};
}

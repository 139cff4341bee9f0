#include "conversation/composition_bar.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "conversation/composition.h"
#include "store/settings.h"

namespace {

QColor TextColour(const CompositionBar& bar) {
    return bar.text_envoi->palette().color(QPalette::Text);
}

TEST(CompositionBar, SendKeysAreSwallowed) {
    CompositionBar bar;
    QSignalSpy sent(&bar, &CompositionBar::SendRequested);
    // A key that reaches the input line would show as returnPressed or as typed text.
    QSignalSpy returned(bar.text_envoi, &QLineEdit::returnPressed);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool sends;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true},
        {Qt::Key_Enter, Qt::KeypadModifier, true},
        {Qt::Key_S, Qt::AltModifier, true},
        {Qt::Key_S, Qt::ControlModifier, false},
        {Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier, false},
    };
    for (const auto& c : cases) {
        sent.clear();
        bar.SetText("abc");
        QTest::keyClick(bar.text_envoi, c.key, c.modifiers);
        EXPECT_EQ(sent.count(), c.sends ? 1 : 0) << c.key << " " << c.modifiers.toInt();
        if (c.sends) {
            EXPECT_EQ(bar.Text(), "abc") << c.key;
        }
    }
    EXPECT_EQ(returned.count(), 0);
    sent.clear();
    bar.btn_envoyer->click();
    EXPECT_EQ(sent.count(), 1);
    EXPECT_FALSE(bar.btn_envoyer->autoDefault());
}

TEST(CompositionBar, SettingsAndTextColour) {
    CompositionBar bar;
    TConfig config;
    config.DefColor = 3;
    config.DefTaille = 2;
    config.Police = "DejaVu Serif";
    bar.ApplyDefaults(config);
    bar.ApplyFont(config);
    EXPECT_EQ(bar.combo_color->currentText(), "Rose");
    EXPECT_EQ(bar.combo_taille->currentText(), "Hurler");
    EXPECT_EQ(bar.Codes(), "0203");
    EXPECT_EQ(TextColour(bar), ColourOfName("Rose"));
    EXPECT_EQ(bar.text_envoi->font().family(), "DejaVu Serif");

    bar.combo_color->setCurrentIndex(1);
    EXPECT_EQ(TextColour(bar), QColor(0, 0, 255));
    bar.combo_color->setCurrentIndex(-1);
    EXPECT_EQ(bar.Codes(), "0200");
    EXPECT_EQ(TextColour(bar), QColor(0, 0, 0));

    // Indexes outside the boxes select nothing: "x" goes out with "Parler" and "Noir".
    config.DefColor = 12;
    config.DefTaille = -1;
    config.Police.clear();
    bar.ApplyDefaults(config);
    bar.ApplyFont(config);
    EXPECT_EQ(bar.combo_color->currentIndex(), -1);
    EXPECT_EQ(bar.combo_taille->currentIndex(), -1);
    EXPECT_EQ(RoomSendLines("x", bar.Codes(), true).lines, std::vector<std::string>{"70\t0100x"});
    EXPECT_EQ(TextColour(bar), QColor(0, 0, 0));
    EXPECT_EQ(bar.text_envoi->font().family(), "DejaVu Serif");
    config.DefColor = 2;
    config.DefTaille = 4;
    bar.ApplyDefaults(config);
    EXPECT_EQ(bar.Codes(), "0102");
}

}  // namespace

#include "WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>

#include <utility>
#include <vector>

using StartUp = WindowHarness;

TEST_F(StartUp, WindowIsTheMainFormWithItsCaptionAndSize) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_STREQ(form->metaObject()->className(), "TForm1");
    EXPECT_EQ(form->windowTitle(), captionNaming());
    EXPECT_EQ(form->size(), QSize(800, 580));
}

TEST_F(StartUp, StatusAndSettingsShowTheirFirstValues) {
    EXPECT_EQ(text("Label26"), u("0 znaků"));
    EXPECT_EQ(text("Label30"), u("1  řádek"));
    EXPECT_EQ(text("Label23"), "1");
    EXPECT_FALSE(find("Label24")->isVisible());
    EXPECT_FALSE(find("Label25")->isVisible());
    EXPECT_EQ(text("Edit2"), "64");
    EXPECT_EQ(text("Edit3"), "50");
    EXPECT_EQ(form->wrapWidth(), 64);
    EXPECT_EQ(form->shiftStep(), 50);
    EXPECT_TRUE(find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("CheckBox2")->isChecked());
}

TEST_F(StartUp, HeaderFieldsHoldTheirPromptsAndTheModelHasThem) {
    const QString title = QString(18, ' ') + u("----- Název tabulatury -----");
    const QString author = QString(11, ' ') + "----- Autor tabu -----";
    EXPECT_EQ(title.size(), 46);
    EXPECT_EQ(text("Edit1"), title);
    EXPECT_EQ(text("Edit4"), author);
    EXPECT_EQ(form->document().title.text(), "                  ----- N\xe1zev tabulatury -----");
    EXPECT_EQ(form->document().author.text(), "           ----- Autor tabu -----");
}

TEST_F(StartUp, EveryCaptionIsExact) {
    const std::vector<std::pair<const char*, QString>> captions{
        {"zapis", u("Zapiš")},
        {"Reset", "Reset"},
        {"CheckBox2", u("Vymazat po vložení")},
        {"takt", u("taktová čára       |")},
        {"sloupec", u("prázdný sloupec  -")},
        {"Button1", u("Přehrát tab")},
        {"Button41", "Zamknout"},
        {"Button38", u("Doplnění tabulatury")},
        {"Button39", "Backspace"},
        {"Button4", u("Vymazat vše")},
        {"Button44", "P.M. ---"},
        {"Button45", "A.H."},
        {"Button46", "Harm"},
        {"znacka1", "H"},
        {"Button37", "L"},
        {"Label17", "Palm muting"},
        {"Label18", u("Umělý flažolet")},
        {"Label19", u("Přirozený flažolet")},
        {"Label15", "Hammer - on"},
        {"Label16", "Pull - off"},
        {"Label8", u("Značka")},
        {"Label9", "e"},
        {"Label14", "E"},
        {"CheckBox1", "Rozklad"},
        {"Label1", "e"},
        {"Label2", "h"},
        {"Label3", "g"},
        {"Label4", "d"},
        {"Label5", "A"},
        {"Label6", "E"},
        {"Label22", "text"},
        {"RadioButton1", "Ano"},
        {"RadioButton2", "Ne"},
        {"RadioButton3", "Doprava"},
        {"RadioButton4", "Doleva"},
        {"Label20", u("Zalamování tabu")},
        {"Label31", u("Zalámáno na:")},
        {"Label21", "O kolik?"},
        {"Button40", u("PROVEĎ")},
        {"Label27", u("Délka tabu: ")},
        {"Label29", u("Program spuštěn:")},
        {"Uloitkeditaci1", u("Uložit k editaci (*.tab)")},
        {"Uloittextovvstuptxt1", u("Uložit textový výstup (*.txt)")},
        {"Nahrt1", u("Nahrát")},
        {"KONEC1", "KONEC"},
        {"Oprogramu1", "O programu"},
        {"Archivtabulatur1", "Archiv tabulatur"},
        {"Help1", u("Web o kytarách")},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(text(name), caption) << name;

    const std::vector<std::pair<const char*, QString>> groups{
        {"GroupBox1", u("Zápis a editace")},
        {"GroupBox2", u("Doplňky")},
        {"GroupBox3", "Akordy"},
        {"GroupBox4", "  Informace o tabu  "},
        {"GroupBox5", u("  Speciální značky  ")},
        {"GroupBox6", "Auto - scroll"},
        {"GroupBox7", u("Textový výstup")},
        {"GroupBox8", u("Posunutí pohledu")},
    };
    for (const auto& [name, title] : groups)
        EXPECT_EQ(find<QGroupBox>(name)->title(), title) << name;
}

TEST_F(StartUp, ChordGridHoldsThirtyFiveNamedButtons) {
    const std::vector<std::pair<const char*, const char*>> chords{
        {"Button7", "A"},     {"Button8", "H"},     {"Button6", "C"},     {"Button9", "D"},
        {"Button10", "E"},    {"Button11", "F"},    {"Button12", "G"},    {"Button2", "A7"},
        {"Button3", "H7"},    {"Button5", "C7"},    {"Button14", "D7"},   {"Button15", "E7"},
        {"Button16", "F7"},   {"Button17", "G7"},   {"Am", "Am"},         {"Button13", "Hm"},
        {"Button18", "Cm"},   {"Button19", "Dm"},   {"Button20", "Em"},   {"Button21", "Fm"},
        {"Button22", "Gm"},   {"Button30", "A+"},   {"Button31", "H+"},   {"Button32", "C+"},
        {"Button33", "D+"},   {"Button34", "E+"},   {"Button35", "F+"},   {"Button36", "G+"},
        {"Button23", "Adim"}, {"Button24", "Hdim"}, {"Button25", "Cdim"}, {"Button26", "Ddim"},
        {"Button27", "Edim"}, {"Button28", "Fdim"}, {"Button29", "Gdim"},
    };
    for (const auto& [name, caption] : chords)
        EXPECT_EQ(text(name), caption) << name;
}

TEST_F(StartUp, GroupsAndRowsStandWhereTheyWereDrawn) {
    const std::vector<std::pair<const char*, QRect>> places{
        {"GroupBox1", {0, 32, 193, 233}},    {"GroupBox2", {200, 32, 113, 233}},
        {"GroupBox5", {328, 32, 153, 233}},  {"GroupBox3", {496, 32, 289, 233}},
        {"ScrollBox1", {24, 272, 521, 241}}, {"GroupBox6", {552, 272, 113, 89}},
        {"GroupBox7", {672, 272, 113, 89}},  {"GroupBox8", {552, 368, 113, 129}},
        {"GroupBox4", {672, 368, 113, 129}},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(find(name)->geometry(), rect) << name;
    const std::vector<std::pair<const char*, int>> rowTops{
        {"akordy", 0},    {"struna1", 40},  {"struna2", 64},  {"struna3", 89},
        {"struna4", 113}, {"struna5", 137}, {"struna6", 161}, {"slova", 192}};
    for (const auto& [name, top] : rowTops) {
        EXPECT_EQ(find(name)->y(), top) << name;
        EXPECT_EQ(find(name)->x(), 0) << name;
        EXPECT_EQ(find(name)->width(), find("akordy")->width()) << name;
    }
}

TEST_F(StartUp, PlayButtonIsHiddenAndTheTimerRuns) {
    EXPECT_FALSE(find("Button1")->isVisible());
    auto* timer = find<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(StartUp, MenuHasItsSubmenuAndSeparator) {
    auto* tabMenu = find<QMenu>("abulatura1");
    EXPECT_EQ(tabMenu->title(), "Tabulatura");
    QStringList items;
    for (const QAction* action : tabMenu->actions())
        items << (action->menu() ? action->menu()->objectName() : action->objectName());
    EXPECT_EQ(items, QStringList({"Uloit1", "Nahrt1", "Nahrttextovtabtxt1", "Vloittabzeschrnky1",
                                  "Tisk1", "UloitjakoPDFpdf1", "N1", "KONEC1"}));
    EXPECT_EQ(find<QMenu>("Uloit1")->title(), u("Uložit"));
    EXPECT_EQ(find<QMenu>("Info1")->title(), "Info");
}

TEST_F(StartUp, SpinButtonsRepeatLikeHeldArrows) {
    for (const char* name :
         {"SpinButton1Up", "SpinButton1Down", "SpinButton2Up", "SpinButton2Down"}) {
        auto* arrow = find<QAbstractButton>(name);
        EXPECT_TRUE(arrow->autoRepeat()) << name;
        EXPECT_EQ(arrow->autoRepeatDelay(), 400) << name;
        EXPECT_EQ(arrow->autoRepeatInterval(), 100) << name;
    }
    EXPECT_EQ(find("SpinButton1Up")->parent(), find("SpinButton1"));
    EXPECT_EQ(find("SpinButton2Down")->parent(), find("SpinButton2"));
}

TEST_F(StartUp, TabKeyVisitsTheControlsInTheirOrder) {
    const std::vector<QString> expected{
        "zapis",         "znacka",        "struna1potvrd", "struna2potvrd", "struna3potvrd",
        "struna4potvrd", "struna5potvrd", "struna6potvrd", "Reset",         "CheckBox2",
        "takt",          "Button4",       "Button39",      "Button41",      "sloupec",
        "Button8",       "Button9",       "Button10",      "Button11",      "Button12",
        "Button7",       "Button6",       "Button2",       "Button3",       "Button5",
        "Button14",      "Button15",      "Button16",      "Button17",      "Am",
        "Button13",      "Button18",      "Button19",      "Button20",      "Button21",
        "Button22",      "Button30",      "Button31",      "Button32",      "Button33",
        "Button34",      "Button35",      "Button36",      "Button23",      "Button24",
        "Button25",      "Button26",      "Button27",      "Button28",      "Button29",
        "CheckBox1",     "Edit1",         "Button44",      "Button45",      "Button46",
        "znacka1",       "Button37",      "Button38",      "akordy",        "struna1",
        "struna2",       "struna3",       "struna4",       "struna5",       "struna6",
        "slova",         "RadioButton1",  "RadioButton2",  "Edit2",         "SpinButton1",
        "Edit3",         "SpinButton2",   "RadioButton3",  "RadioButton4",  "Button40",
        "Edit4"};
    std::vector<QString> visited;
    QWidget* widget = find("zapis");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(form.get()) ||
               widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"));
    }
    EXPECT_EQ(visited, expected);
}

// The help tab: the fixed topic table, and the text screen a topic opens.
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include "HelpController.h"
#include "InformationDisplayController.h"
#include "NavigationController.h"
#include "Translations.h"
#include "screen_fixture.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

SKELVOR_SCREEN_TEST_APPLICATION("help_screen_tests");

namespace {

struct Row {
    QString title;
    int indent;
};

QString repositoryHelpText(const QString& name) {
    QFile file(QDir(QStringLiteral(SKELVOR_SAMPLES)).filePath("../../../help/" + name + ".text"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class HelpScreen : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        auto root = std::make_unique<HelpController>();
        help = root.get();
        navigation = std::make_unique<NavigationController>(std::move(root));
        navigation->resize(390, 900);
        navigation->show();
    }

    void TearDown() override {
        navigation.reset();
        ScreenFixture::TearDown();
    }

    void tap(IndexPath path) {
        const QRect row = help->tableView()->rectForRow(path);
        ASSERT_TRUE(row.isValid());
        QTest::mouseClick(help->tableView()->viewport(), Qt::LeftButton, {}, row.center());
    }

    void shoot(const QString& name) const { saveShot(*navigation, name); }

    std::unique_ptr<NavigationController> navigation;
    HelpController* help = nullptr;
};

TEST_F(HelpScreen, ListsTheTopicsInTheirSectionsWithIndents) {
    TableView* table = help->tableView();
    TableViewDataSource* source = table->dataSource();
    const QStringList sections = {"Overview", "Displays", "Miscellaneous", "Getting Started",
                                  "About"};
    const std::vector<Row> rows = {{"General Overview and Introduction", 0},
                                   {"Tracking", 0},
                                   {"Timeline", 1},
                                   {"Satellite 'Radar' Plot", 1},
                                   {"Footprint Display", 2},
                                   {"Satellite Details", 2},
                                   {"Frequency Editor", 3},
                                   {"Comments Editor", 3},
                                   {"Satellite Selection", 0},
                                   {"Satellite List", 1},
                                   {"Satellite Search", 1},
                                   {"Preferences", 0},
                                   {"Information", 0},
                                   {"TLE Files", 0},
                                   {"Screen Navigation", 0},
                                   {"Accuracy of Information", 0},
                                   {"Initial Setup", 0},
                                   {"About this program", 0}};

    ASSERT_EQ(source->numberOfSections(), 5);
    std::size_t next = 0;
    for (int section = 0; section < 5; ++section) {
        EXPECT_EQ(source->titleForHeaderInSection(section), sections[section]);
        for (int row = 0; row < source->numberOfRowsInSection(section); ++row, ++next) {
            ASSERT_LT(next, rows.size());
            const TableViewCell cell = table->cellForRow({section, row});
            EXPECT_EQ(cell.text, rows[next].title);
            EXPECT_EQ(cell.indentationLevel, rows[next].indent) << cell.text.toStdString();
            EXPECT_EQ(cell.accessory, AccessoryType::disclosureIndicator);
            EXPECT_FALSE(source->canEditRow({section, row}));
            EXPECT_EQ(table->delegate()->editingStyleForRow({section, row}), EditingStyle::none);
        }
    }
    EXPECT_EQ(next, rows.size());
    EXPECT_EQ(table->style(), TableViewStyle::grouped);
    shoot("help-topics");
}

TEST_F(HelpScreen, EveryTopicHasItsText) {
    for (const HelpSection& section : HelpController::sections()) {
        for (const HelpTopic& topic : section.topics) {
            EXPECT_EQ(InformationDisplayController::helpText(topic.fileName),
                      repositoryHelpText(topic.fileName))
                << topic.fileName.toStdString();
        }
    }
}

// Under the German translation every topic has its German text, which the screen shows; the
// English one otherwise.
TEST_F(HelpScreen, EveryTopicHasItsGermanText) {
    ASSERT_EQ(installTranslations({QStringLiteral("de-DE")}), "de");
    for (const HelpSection& section : HelpController::sections()) {
        for (const HelpTopic& topic : section.topics) {
            const QString german = InformationDisplayController::helpText(topic.fileName);
            EXPECT_EQ(german, repositoryHelpText("de/" + topic.fileName))
                << topic.fileName.toStdString();
            EXPECT_NE(german, repositoryHelpText(topic.fileName)) << topic.fileName.toStdString();
        }
    }
    installTranslations({QStringLiteral("en")});
    EXPECT_EQ(InformationDisplayController::helpText("about"), repositoryHelpText("about"));
}

TEST_F(HelpScreen, TapOpensTheTopicsTextUnderItsTitle) {
    tap({1, 2});

    ASSERT_EQ(navigation->count(), 2);
    auto* text = dynamic_cast<InformationDisplayController*>(navigation->topViewController());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->title(), "Satellite 'Radar' Plot");
    EXPECT_EQ(text->categoryName(), "Satellite 'Radar' Plot");
    EXPECT_EQ(text->infoFileName(), "radar");
    EXPECT_EQ(text->infoTextDisplay()->toPlainText(), repositoryHelpText("radar"));
    EXPECT_TRUE(text->infoTextDisplay()->isReadOnly());
    shoot("help-text");

    navigation->popViewControllerAnimated(true);
    EXPECT_FALSE(help->tableView()->indexPathForSelectedRow());
}

TEST_F(HelpScreen, MissingTextShowsAnEmptyScreen) {
    auto missing = std::make_unique<InformationDisplayController>("no-such-topic");
    missing->setCategoryName("Nothing");
    InformationDisplayController& screen = *missing;

    navigation->pushViewController(std::move(missing), true);

    EXPECT_EQ(screen.title(), "Nothing");
    EXPECT_TRUE(screen.infoTextDisplay()->toPlainText().isEmpty());
}

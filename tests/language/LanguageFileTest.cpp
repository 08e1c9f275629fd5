#include "language/LanguageFile.h"

#include "config/Session.h"
#include "config/TextFile.h"
#include "language/CaptionTable.h"
#include "language/LanguageTemplate.h"
#include "settings/SettingId.h"
#include "support/RecordingInteraction.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace golv {
namespace {

using Entries = std::vector<std::string>;

class LanguageFileTest : public ::testing::Test {
protected:
    LanguageFileTest() { session.folder = folder.path(); }

    // Loads a language file of these bytes, named relative to the folder.
    void load(const std::string& bytes)
    {
        folder.write("test.lng", bytes);
        session.languageFile = "test.lng";
        LoadLanguageFile(session);
    }

    std::optional<std::string> caption(Window window, const std::string& control) const
    {
        const auto found = session.captions.find({window, control});
        return found == session.captions.end() ? std::nullopt : std::optional(found->second);
    }

    const Entries& alignmentList() const { return session.settings.listEntries(settingId("MainMenuAlign")); }

    test::TempFolder folder;
    test::RecordingInteraction ui;
    Session session{ui};
};

const Entries kOwnEntries = {"left", "center", "right"};
const Entries kBuiltInCaptions = {"left", "center", "rite"};

TEST_F(LanguageFileTest, aLineSetsEveryControlOfItsKeyAsItStands)
{
    struct Row {
        const char* name;
        std::string file;
        Window window;
        const char* control;
        std::optional<std::string> caption;
    };
    const std::vector<Row> rows = {
        {"a key in capitals", "MAINWINDOWTITLE=Hello", Window::Form1, "", "Hello"},
        {"a space before = makes another key", "mainwindowtitle =Hello", Window::Form1, "", std::nullopt},
        {"leading spaces go, trailing ones stay", "mainwindowtitle=   Title   ", Window::Form1, "", "Title   "},
        {"removesound, first box", "removesound=Ton weg", Window::Form1, "Check5", "Ton weg"},
        {"removesound, second box", "removesound=Ton weg", Window::Form1, "Check7", "Ton weg"},
        {"the last of two lines wins", "quit=a\r\nquit=b", Window::Form1, "Command1", "b"},
        {"defaults also names the physics apply button", "defaults=D", Window::CustPhys, "Command3", "D"},
        {"apply does not", "apply=A", Window::CustPhys, "Command3", std::nullopt},
        {"enemy keys address labels by index", "skeleton=S", Window::CustEnemy, "Label1(1)", "S"},
        {"an empty value gives an empty caption", "modify=", Window::Form1, "Command3", ""},
        {"brackets and comments are skipped", "[quit]\r\n;quit=x\r\nquit=y", Window::Form1, "Command1", "y"},
        {"values are cut at 5000 characters", "quit=" + std::string(6000, 'q'), Window::Form1, "Command1",
            std::string(5000, 'q')},
        // Last, so that what came before the unsplittable line can be seen after the loop.
        {"a line without = ends the step", "quit=before\r\njust text\r\nmodify=after", Window::Form1, "Command3",
            std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.captions.clear();
        load(row.file);
        EXPECT_EQ(caption(row.window, row.control), row.caption);
    }
    EXPECT_EQ(caption(Window::Form1, "Command1"), "before") << "what came before the unsplittable line stays";
    EXPECT_TRUE(ui.messages.empty()) << "the language step never reports";
}

TEST_F(LanguageFileTest, theAlignmentListShowsTheCaptionsOnceTheFileIsRead)
{
    session.settings.setState(settingId("MainMenuAlign"), 2); // the list shows "right"
    LoadLanguageFile(session);                                // no file named
    EXPECT_EQ(alignmentList(), kOwnEntries);
    EXPECT_EQ(session.settings.alignmentCaptions()[2], "rite");

    session.languageFile = "missing.lng";
    LoadLanguageFile(session);
    EXPECT_EQ(alignmentList(), kOwnEntries);

    load("alignright=T");
    EXPECT_EQ(alignmentList(), (Entries{"left", "center", "T"}));
    EXPECT_EQ(session.settings.text(settingId("MainMenuAlign")), "T") << "the list that showed right shows T";

    load("aligncenter=C\r\nno equals sign");
    EXPECT_EQ(session.settings.alignmentCaptions()[1], "C");
    EXPECT_EQ(alignmentList(), (Entries{"left", "center", "T"})) << "a read error leaves the list as it was";
}

// The decoding's own edges are the codec's tests; this shows the language
// step reads through it.
TEST_F(LanguageFileTest, aFileInAnyCommonEncodingGivesTheSameCaption)
{
    std::string utf16le = "\xFF\xFE";
    for (const char16_t c : std::u16string_view(u"apply=\u00DCbernehmen \u20AC"))
        utf16le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    for (const std::string& bytes : {utf16le,
             std::string("apply=\xDC"
                         "bernehmen \x80")}) {
        load(bytes);
        EXPECT_EQ(caption(Window::CustBars, "Command1"),
            "\xC3\x9C"
            "bernehmen \xE2\x82\xAC");
    }
}

// The language command offers the folder's .lng files by the name each
// gives itself, or else by its file name.
TEST_F(LanguageFileTest, theChoicesAreTheFoldersLanguageFilesByTheirNames)
{
    folder.write("z.lng", std::string_view("languagename=Alemannisch\r\napply=x"));
    folder.write("Eigen.LNG", std::string_view("apply=y"));
    for (const char* other : {"notes.txt", ".lng", "lng", "golv.cfg"})
        folder.write(other, std::string_view("languagename=not offered"));
    std::vector<std::pair<std::string, std::string>> offered;
    for (const LanguageChoice& choice : languageChoices(folder.path()))
        offered.emplace_back(choice.file, choice.name);
    EXPECT_EQ(
        offered, (std::vector<std::pair<std::string, std::string>>{{"z.lng", "Alemannisch"}, {"Eigen.LNG", "Eigen"}}));
}

std::vector<std::string> fileLines(const std::string& name)
{
    std::ifstream in(std::string(GOLV_SOURCE_DIR) + "/languages/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return splitTextLines(text.str());
}

TEST(LanguageFiles, theTemplateListsEveryKeyOfTheCaptionTable)
{
    EXPECT_EQ(fileLines("english.lng"), languageTemplateLines())
        << "languages/english.lng is out of date: build/make-language-template > languages/english.lng";
}

TEST(LanguageFiles, theGermanFileSetsEveryKeyAndNoOther)
{
    std::set<std::string> known(kAlignmentKeys.begin(), kAlignmentKeys.end());
    for (const CaptionEntry& entry : kCaptions)
        known.insert(std::string(entry.key));
    std::set<std::string> set;
    for (const std::string& line : fileLines("deutsch.lng")) {
        if (line.empty() || line.front() == ';')
            continue;
        const std::string key = line.substr(0, line.find('='));
        EXPECT_TRUE(known.count(key)) << "unknown key " << key;
        set.insert(key);
    }
    EXPECT_EQ(set, known);
}

} // namespace
} // namespace golv

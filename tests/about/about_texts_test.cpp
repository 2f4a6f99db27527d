#include "about/about_texts.h"
#include "common/text_helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// A record on the heap with nothing after it, so that the sanitizer sees a
// write past its last text.
std::unique_ptr<AboutTexts> NewTexts(const std::string& description, const std::string& version)
{
    std::unique_ptr<AboutTexts> texts(new AboutTexts);
    memset(texts.get(), 'X', sizeof(AboutTexts));
    strncpy(texts->description, description.c_str(), ABOUT_TEXT_SIZE - 1);
    texts->description[ABOUT_TEXT_SIZE - 1] = '\0';
    strncpy(texts->version, version.c_str(), ABOUT_TEXT_SIZE - 1);
    texts->version[ABOUT_TEXT_SIZE - 1] = '\0';
    return texts;
}

TEST(ComposeAboutTexts, TitleAndVersionLineFromTheBlocksStrings)
{
    struct Row {
        const char* name;
        std::string description;
        std::string version;
        int whole;
        std::string title;
        std::string versionLine;
    };
    const std::string japanese = Repeat("説", 131);  // 262 bytes
    const std::vector<Row> rows = {
        {"the program's strings", "Tessavoy", "0.14", 1, "Tessavoy について", "Tessavoy ver. 0.14"},
        {"both strings missing: blank parts", "", "", 1, " について", " ver. "},
        {"version missing", "Tessavoy", "", 1, "Tessavoy について", "Tessavoy ver. "},
        {"Japanese description", "説明", "1.0", 1, "説明 について", "説明 ver. 1.0"},
        // 254 + " について" (9 bytes) is 263: the title just fits.
        {"title just fits", std::string(254, 'd'), "", 1, std::string(254, 'd') + " について",
         std::string(254, 'd') + " ver. "},
        // 255: the title is cut inside "について", never in a character.
        {"title cut at a character boundary", std::string(255, 'd'), "", 0,
         std::string(255, 'd') + " につい", std::string(255, 'd') + " ver. "},
        {"long Japanese description", japanese, "0.14", 0, japanese + " ", japanese + " "},
        {"long version", "Tessavoy", std::string(263, '9'), 0, "Tessavoy について",
         "Tessavoy ver. " + std::string(249, '9')},
        {"both as long as their buffers", std::string(263, 'd'), std::string(263, '9'), 0,
         std::string(263, 'd'), std::string(263, 'd')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<AboutTexts> texts = NewTexts(row.description, row.version);
        EXPECT_EQ(row.whole, ComposeAboutTexts(texts.get()));
        EXPECT_EQ(row.title, texts->title);
        EXPECT_EQ(row.versionLine, texts->versionLine);
        EXPECT_LT(strlen(texts->versionLine), (size_t)ABOUT_TEXT_SIZE);
    }
}

TEST(ComposeAboutTexts, UnterminatedPartsAreTerminatedFirst)
{
    std::unique_ptr<AboutTexts> texts(new AboutTexts);
    memset(texts.get(), 'd', sizeof(AboutTexts));
    ComposeAboutTexts(texts.get());
    EXPECT_EQ(std::string(263, 'd'), texts->description);
    EXPECT_EQ(std::string(263, 'd'), texts->title);
    EXPECT_EQ(std::string(263, 'd'), texts->versionLine);
}

TEST(ClearAboutTexts, EveryTextEmpty)
{
    std::unique_ptr<AboutTexts> texts = NewTexts("Tessavoy", "0.14");
    ClearAboutTexts(texts.get());
    const char* all[] = {texts->company, texts->copyright, texts->version,
                         texts->description, texts->title, texts->versionLine};
    for (const char* text : all) {
        EXPECT_STREQ("", text);
    }
}

TEST(ComposeResourcesLine, ShowsFiguresThatFitAndNothingElse)
{
    struct Row {
        int figure;
        int fitted;
        const char* line;
    };
    const Row rows[] = {
        {73, 1, "システムリソース： 73 ％使用可能"},
        {0, 1, "システムリソース： 0 ％使用可能"},
        {100, 1, "システムリソース： 100 ％使用可能"},
        // Not a percentage, but three characters still fit the line.
        {999, 1, "システムリソース： 999 ％使用可能"},
        {-99, 1, "システムリソース： -99 ％使用可能"},
        {1000, 0, ""},
        {-100, 0, ""},
        {INT_MAX, 0, ""},
        {INT_MIN, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.figure);
        // Exactly the line's size on the heap: a longer write is caught.
        std::vector<char> line(ABOUT_RESOURCES_SIZE, 'X');
        EXPECT_EQ(row.fitted, ComposeResourcesLine(line.data(), row.figure));
        EXPECT_EQ(std::string(row.line), line.data());
    }
}

TEST(ComposeVersionStringPath, LanguageThenCodePageInLowerCaseHex)
{
    struct Row {
        unsigned int translation;
        std::string name;
        int fitted;
        std::string path;
    };
    const std::vector<Row> rows = {
        {0x04B00411, "FileDescription", 1, "\\StringFileInfo\\041104b0\\FileDescription"},
        {0x04E40409, "CompanyName", 1, "\\StringFileInfo\\040904e4\\CompanyName"},
        {0xFFFF0000, "x", 1, "\\StringFileInfo\\0000ffff\\x"},
        {0x04B00411, std::string(300, 'n'), 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        std::vector<char> path(ABOUT_TEXT_SIZE, 'X');
        EXPECT_EQ(row.fitted, ComposeVersionStringPath(path.data(), row.translation, row.name.c_str()));
        EXPECT_EQ(row.path, path.data());
    }
}

}  // namespace

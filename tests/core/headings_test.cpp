#include <gtest/gtest.h>

#include "catalogue_builder.h"
#include "fake_ui.h"

namespace reelkeep::test {
namespace {

using Headings = std::array<std::string, 4>;

using Catalogue = TestCatalogue;

TEST(EditCustomHeadings, EmptiedHeadingsGetTheirDefaults) {
    Catalogue c({{.title = "A"}});
    c.ui.headingAnswers.push_back(Headings{"Director", "", " ", ""});
    c.doc.Execute(CommandId::EditCustomHeading);
    const Headings expected{"Director", "Custom 2 Heading", " ", "Custom 4 Heading"};
    EXPECT_EQ(c.doc.Display().CustomHeadings(), expected);
    EXPECT_EQ(c.ui.viewHeadings, expected);
    EXPECT_EQ(c.ui.headingRepaints, 1);
    EXPECT_TRUE(c.doc.IsModified());
    // The entry dialog takes them the next time it opens.
    c.ui.entryAnswers.push_back(std::nullopt);
    c.doc.Execute(CommandId::Enter);
    EXPECT_EQ(c.ui.entryDialogsShown.back().headings, expected);
}

TEST(EditCustomHeadings, AnEmptyCatalogueIsNotMarkedModified) {
    Catalogue c({});
    c.ui.headingAnswers.push_back(Headings{"a", "b", "c", "d"});
    c.doc.Execute(CommandId::EditCustomHeading);
    EXPECT_EQ(c.doc.Display().CustomHeadings(), (Headings{"a", "b", "c", "d"}));
    EXPECT_FALSE(c.doc.IsModified());
}

TEST(EditCustomHeadings, CancelKeepsEverything) {
    Catalogue c({{.title = "A"}});
    c.doc.Execute(CommandId::EditCustomHeading);
    EXPECT_EQ(c.doc.Display().CustomHeadings()[2], "Custom 3 Heading");
    EXPECT_FALSE(c.doc.IsModified());
    EXPECT_EQ(c.ui.headingRepaints, 0);
}

}  // namespace
}  // namespace reelkeep::test

// Message boxes and documents. The test driver stands in for the user at a box
// and for the desktop that opens documents; on Qt the boxes are the back end's
// real modal message boxes, answered by pressing their buttons, and documents
// reach the desktop services. Records may hold entries of earlier tests of the
// run, so each test reads what it added.
#include "contract.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;
using DialogServices = Contract;

TEST_F(DialogServices, MessageBoxesAreRecordedAndAnsweredInTurn) {
  const std::size_t before = mt::shownMessageBoxes().size();
  mt::answerMessageBox(media::ButtonYes);
  EXPECT_EQ(media::messageBox("Quit", "Really?", media::BoxWarningYesNo), media::ButtonYes);
  EXPECT_EQ(media::messageBox("Quit", "Really?", media::BoxWarningYesNo), media::ButtonNo)
      << "unanswered, the safe button";
  mt::answerMessageBox(media::ButtonYes);
  EXPECT_EQ(media::messageBox("Library Error", "Unable to import Images", media::BoxErrorOk), media::ButtonOk)
      << "a box without Yes cannot return Yes";
  EXPECT_EQ(media::messageBox("Quit", "Really?", media::BoxWarningYesNo), media::ButtonNo)
      << "the Yes the error box had no button for was used up there";
  mt::answerMessageBox(media::ButtonOk);
  EXPECT_EQ(media::messageBox("Schlie\u00dfen", "Gr\u00fc\u00dfe", media::BoxInformationOk), media::ButtonOk);
  const auto boxes = mt::shownMessageBoxes();
  ASSERT_EQ(boxes.size(), before + 5);
  EXPECT_EQ(boxes[before].kind, media::BoxWarningYesNo);
  EXPECT_EQ(boxes[before + 2].caption, "Library Error");
  EXPECT_EQ(boxes[before + 2].text, "Unable to import Images");
  EXPECT_EQ(boxes[before + 2].kind, media::BoxErrorOk);
  EXPECT_EQ(boxes[before + 4].caption, "Schlie\u00dfen") << "UTF-8 text comes back as it went in";
  EXPECT_EQ(boxes[before + 4].text, "Gr\u00fc\u00dfe");
  EXPECT_EQ(boxes[before + 4].kind, media::BoxInformationOk);
  EXPECT_EQ(media::messageBox("x", "y", 9), 0) << "not a kind of box";
  EXPECT_EQ(mt::shownMessageBoxes().size(), before + 5) << "and nothing is shown for it";
}

TEST_F(DialogServices, DocumentsAreHandedOverAndRecorded) {
  const std::size_t before = mt::openedDocuments().size();
  EXPECT_EQ(media::openDocument("https://example.org/"), 1);
  EXPECT_EQ(media::openDocument(""), 0);
  EXPECT_EQ(media::openDocument("/opt/mirel/docs/Help.pdf"), 1);
  const auto opened = mt::openedDocuments();
  ASSERT_EQ(opened.size(), before + 2);
  EXPECT_EQ(opened[before], "https://example.org/");
  EXPECT_EQ(opened[before + 1], "/opt/mirel/docs/Help.pdf");
}

}  // namespace

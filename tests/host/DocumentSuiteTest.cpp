// AI Document through the table the registry hands out: the open
// document's colour model, and nothing without a document.
#include <gtest/gtest.h>

#include "AIDocument.h"
#include "Host.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

TEST(DocumentSuite, GivesTheOpenDocumentsColourModel) {
    Host host;
    SuiteLease<const AIDocumentSuite> suite{host.registry(), kAIDocumentSuite, kAIDocumentSuiteVersion};

    AIDocumentColorModel model = 99;
    EXPECT_EQ(suite->GetDocumentColorModel(&model), kBadContextErr);
    EXPECT_EQ(model, 99) << "left as it was";

    for (auto [colorModel, expected] :
         {std::pair{ColorModel::RGB, kDocRGBColor}, std::pair{ColorModel::CMYK, kDocCMYKColor}}) {
        Document document = Document::emptyA4();
        document.colorModel = colorModel;
        host.documents().open(std::move(document));
        ASSERT_EQ(suite->GetDocumentColorModel(&model), kNoErr);
        EXPECT_EQ(model, expected);
    }
}

} // namespace
} // namespace vyn::host

// Recording where a text changed: after any series of edits, the spans name exactly what was
// replaced, and the text between them is the old text.
#include <gtest/gtest.h>

#include <QString>

#include <random>

#include "host/qt/page/changed_spans.h"

namespace norvel::host::qt {
namespace {

using Span = ChangedSpans::Span;

// Rebuilds the new text from the old one and the spans' new content.
QString replay(const QString& before, const QString& now, const ChangedSpans& changes) {
    QString out;
    qsizetype oldAt = 0;
    for (const Span& span : changes.spans()) {
        out += before.mid(oldAt, span.oldBegin - oldAt);
        out += now.mid(span.newBegin, span.newEnd - span.newBegin);
        oldAt = span.oldEnd;
    }
    return out + before.mid(oldAt);
}

TEST(QtPageChangedSpans, SeparateEditsStaySeparateAndTouchingOnesMerge) {
    ChangedSpans changes;
    changes.record(2, 0, 3);   // insert at 2
    changes.record(10, 1, 0);  // delete one at 10 (7 in the old text)
    ASSERT_EQ(changes.spans().size(), 2u);
    EXPECT_EQ(changes.spans()[0].oldBegin, 2);
    EXPECT_EQ(changes.spans()[0].newEnd, 5);
    EXPECT_EQ(changes.spans()[1].oldBegin, 7);
    EXPECT_EQ(changes.spans()[1].oldEnd, 8);
    EXPECT_EQ(changes.growth(), 2);
    changes.record(5, 0, 1);  // right after the first: one span
    ASSERT_EQ(changes.spans().size(), 2u);
    EXPECT_EQ(changes.spans()[0].newEnd, 6);
    changes.record(0, 11, 2);  // over both
    ASSERT_EQ(changes.spans().size(), 1u);
    EXPECT_EQ(changes.spans()[0].oldBegin, 0);
    EXPECT_EQ(changes.spans()[0].oldEnd, 8);
    EXPECT_EQ(changes.spans()[0].newEnd, 2);
}

TEST(QtPageChangedSpans, AnySeriesOfRandomEditsReplaysExactly) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const QString before = QString("abcdefghijklmnopqrstuvwxyz0123456789")
                                   .left(static_cast<qsizetype>(random() % 37));
        QString now = before;
        ChangedSpans changes;
        for (int edit = 0; edit < 6; ++edit) {
            const qsizetype position = static_cast<qsizetype>(random() % (now.size() + 1));
            const qsizetype removed =
                static_cast<qsizetype>(random() % (now.size() - position + 1)) % 4;
            const QString added = QString("XYZ").left(static_cast<qsizetype>(random() % 4));
            now.replace(position, removed, added);
            changes.record(position, removed, added.size());
        }
        SCOPED_TRACE(round);
        EXPECT_EQ(replay(before, now, changes), now);
        EXPECT_EQ(before.size() + changes.growth(), now.size());
        for (size_t i = 1; i < changes.spans().size(); ++i)
            EXPECT_LT(changes.spans()[i - 1].newEnd, changes.spans()[i].newBegin);
    }
}

}  // namespace
}  // namespace norvel::host::qt

// Finding ":name" parameters: only real parameters become placeholders; quoted text,
// comments and MySQL's ":=" pass through untouched.
#include "framework/data/SqlParams.h"

#include "TestDb.h"

namespace {

TEST(SqlParams, NamesBecomePlaceholdersInOrderAndMayRepeat)
{
    const TParsedSql p = ParseSqlParams(
        QStringLiteral("select a from t\nwhere x = :id_empresa and (y=:y1 or z = :id_empresa)"));
    EXPECT_EQ(p.text, QStringLiteral("select a from t\nwhere x = ? and (y=? or z = ?)"));
    EXPECT_EQ(p.names, (QStringList { "id_empresa", "y1", "id_empresa" }));
}

TEST(SqlParams, QuotedTextCommentsAndAssignmentsAreNotParameters)
{
    const QString sql = QStringLiteral("select ':a', \"b:c\", `d:e`, 'it''s :f', 'back\\' :g' -- :h\n"
                                       "/* :i */ # :j\nfrom t where @v := 1 and w = :k and t.x:y");
    const TParsedSql p = ParseSqlParams(sql);
    EXPECT_EQ(p.names, (QStringList { "k" }));
    EXPECT_EQ(p.text, QString(sql).replace(QStringLiteral(":k"), QStringLiteral("?")));
}

TEST(SqlParams, AnUnclosedQuoteRunsToTheEnd)
{
    const TParsedSql p = ParseSqlParams(QStringLiteral("select 'abc :x"));
    EXPECT_TRUE(p.names.isEmpty());
    EXPECT_EQ(p.text, QStringLiteral("select 'abc :x"));
}

} // namespace

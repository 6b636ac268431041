#include <gtest/gtest.h>

#include "core/basics/cp1252.h"
#include "core/mail/mail_texts.h"

using namespace tarvelon;

class MailTextsTest : public ::testing::Test {
protected:
    void SetUp() override { FillMailTexts(); }
};

TEST_F(MailTextsTest, HoldsSeventyFourBodiesWithTheEmptyOnesEmpty)
{
    EXPECT_TRUE(MailTexts[0].empty());
    for (int id : {49, 50, 64, 65, 66})
        EXPECT_TRUE(MailTexts[id].empty()) << id;
    for (int id = 1; id <= kMailTextCount; ++id) {
        const bool blank = id == 49 || id == 50 || (id >= 64 && id <= 66);
        EXPECT_EQ(MailTexts[id].empty(), blank) << id;
    }
}

TEST_F(MailTextsTest, BodiesAreTheGamesOwnTextsByteForByte)
{
    EXPECT_EQ(MailTexts[2], "O jogador simplesmente cuspiu na cara do árbitro. 10 jogos de suspensão até que foi uma pena leve.");
    EXPECT_EQ(MailTexts[28], "Entorce no tornozelo. Cerca de 3 semanas fora.");
    EXPECT_EQ(MailTexts[35], "O jogador sofreu uma pequena entorce no joelho, mas por precaução ficará algumas semanas fora de jogo. ");
    EXPECT_EQ(MailTexts[69], "O jogador que estava à venda foi vendido por ");
    EXPECT_EQ(MailTexts[71], "O jogador termina seu contrato em menos de 3 semanas.");
    EXPECT_EQ(MailTexts[72], "O jogador teve seu contrato encerrado.");
    EXPECT_EQ(MailTexts[22], MailTexts[23]);
    EXPECT_EQ(MailTexts[67], MailTexts[68]);
    EXPECT_EQ(MailTexts[74].substr(0, 48), "O jogador teve seu contrato de empréstimo encer");
    EXPECT_NE(MailTexts[73].find("manual.doc"), std::string::npos);
}

TEST_F(MailTextsTest, SubjectsKeepTheirJoiningBlanks)
{
    EXPECT_TRUE(MailSubjects[0].empty());
    EXPECT_EQ(MailSubjects[1], "Bem vindo ao ");
    EXPECT_EQ(MailSubjects[2], " expulso");
    EXPECT_EQ(MailSubjects[3], ":que negócio é esse?");
    EXPECT_EQ(MailSubjects[8], " vai para o ");
    EXPECT_EQ(MailSubjects[11], "Reclamação");
    EXPECT_EQ(MailSubjects[16], "Convites para seleção");
    EXPECT_EQ(MailSubjects[19], " não pode voltar.");
    for (int id = 1; id <= kMailSubjectCount; ++id)
        EXPECT_FALSE(MailSubjects[id].empty()) << id;
}

TEST_F(MailTextsTest, EveryTextHasACp1252Form)
{
    for (int id = 1; id <= kMailTextCount; ++id)
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(MailTexts[id])), MailTexts[id]) << id;
    for (int id = 1; id <= kMailSubjectCount; ++id)
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(MailSubjects[id])), MailSubjects[id]) << id;
}

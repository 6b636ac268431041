#include "core/mail/mail_texts.h"

namespace tarvelon {

std::array<std::string, kMailTextCount + 1> MailTexts;
std::array<std::string, kMailSubjectCount + 1> MailSubjects;

namespace {

// Body texts 1..74 (49, 50, 64, 65 and 66 are empty).
const char* const kBodies[kMailTextCount] = {
    "Seja bem vind@ ao nosso clube. Estamos em busca de uma grande campanha, não aceitaremos uma má gestão financeira. Boa sorte!",
    "O jogador simplesmente cuspiu na cara do árbitro. 10 jogos de suspensão até que foi uma pena leve.",
    "Ele foi punido com 10 jogos por ofensas morais ao árbitro. Essa pena foi bem pesada.",
    "O STJD puniu o jogador por um carrinho desleal por trás, 5 jogos foi uma pena dura demais.",
    "O jogador pegou uma suspensão de 5 jogos por ter agredido intencionalmente o adversário.",
    "O jogador deu uma cotovelada no adversário. Nós da diretoria achamos que 5 jogos foi uma pena execessiva.",
    "O jogador foi punido por ter dado um carrinho desleal por trás, pegou 3 jogos de suspensão.",
    "O jogador pegou uma suspensão de 3 jogos por ter dado uma cotovelada no adversário.",
    "O jogador parou violentamente uma jogada de gol do adversário, pegou 3 jogos de suspensão. Nós achamos que ele não merecia estes 3 jogos! Estão de marcação com nosso time.",
    "O jogador deu um soco na cara do zagueiro adversário, 3 jogos até que foi uma pena leve.",
    "Pegou 3 jogos ao dividir violentamente a bola com o goleiro, que quase quebra a perna.",
    "Fez uma falta desleal no adversário, o juiz deu uma exagerada na sumula, por isso deram 2 jogos de suspensão.",
    "O jogador deu uma tesoura no adversário, será que ele pensa que futebol é luta-livre?",
    "Depois de um bate boca com o árbitro foi expulso e o tribunal lhe deu 2 jogos de suspensão.",
    "O tribunal disse que o jogador é muito violento, deram-lhe 2 jogos de suspensão. Nós da diretoria estamos preocupados, talvez eles estejam querendo prejudicar nosso time.",
    "Um expulsão boba, era pra ser suspenso apenas 1 jogo, mas o jogador foi inventar de xingar a mãe do árbitro...",
    "O jogador deu uma cotovelada no goleiro numa disputa de bola, deu sorte que o tribunal só deu 2 jogos de suspensão.",
    "Você acha que é quem cara? Eu nem tive culpa e você vem multando do meu salário? Poxa assim fica complicado jogar neste time.",
    "Não gostei de você ter me multado. Se continuar assim o clima neste time vai ficar ruim.",
    "Não pode ficar me multando. Por acaso quando o time perde a diretoria te multa? Então, a culpa foi do tribunal por ter me dados vários jogos de suspensão.",
    "A culpa pela suspensão não foi minha. Não merecia esta multa. Vou aceitar só desta vez.",
    "A imprensa acaba de divulgar mais esta sensacional contratação que acaba de ocorrer nesta semana.",
    "A imprensa acaba de divulgar mais esta sensacional contratação que acaba de ocorrer nesta semana.",
    "O jogador foi apresentado hoje ao novo clube, é mais um reforço importante para a disputa do campeonato.",
    "Foi apenas uma pancada, mas que deixou uma leve lesão na coxa. Cerca de 2 semanas fora.",
    "Uma leve torção no tornozelo, em 2 semanas o jogador já terá condição.",
    "Sofreu uma pequena lesão muscular, talvez o esforço sobre o jogador venha sendo excessivo. Em 2 semanas estará bem.",
    "Entorce no tornozelo. Cerca de 3 semanas fora.",
    "Lesão muscular. Os jogadores estão sendo muito forçados. 3 semanas fora.",
    "Lesão muscular. Este jogador acabou forçando muito em uma jogada. Ficará 4 semanas de molho.",
    "Problema no musculo adutor na coxa. 4 semanas de recuperação.",
    "O jogador sofreu uma distenção muscular. Ficará alguns dias de recuperação.",
    "Sofreu uma grave torção no tornozelo. O departamento médico cuidara dele por algumas semanas.",
    "Em uma dividida o jogador acabou fraturando um dedo do pé, em algumas semana estará recuperado para jogo.",
    "O jogador sofreu uma pequena entorce no joelho, mas por precaução ficará algumas semanas fora de jogo. ",
    "O jogador sofreu uma distenção muscular. Procure não sobrecarregar os jogadores, tente poupar os que estão com menos energia.",
    "Uma torção no joelho colocará este jogador de molho por um bom tempo. 7 semanas é a previsão de volta.",
    "Lesão muscular. Talvez já seja hora de aposentar este jogador, pois está se contundindo com mais facilidade e gravidade que os mais novos.",
    "Distenção muscular. Várias semanas fora.",
    "Grave contusão no músculo da virilha. Este jogador está com muito desgaste muscular.",
    "Este jogador sofreu um ataque cardíaco. Cuidado talvez seja hora de aposenta-lo.",
    "O jogador sofreu uma fratura na perna. Ficará um bom tempo sem jogar.",
    "Grave lesão no joelho. O jogador ficará várias semanas parado.",
    "Este jogador ficará várias semanas sem jogar pois fraturou o tornozelo esquerdo.",
    "Lesão no tendão do calcanhar. Previsão é de um longo tempo parado.",
    "Você está deixando humilharem nosso clube. Nós da torcida não aceitaremos mais goleadas como esta!",
    "Agora você deixa golearem nosso time assim? Se continuar vamos pressionar a diretoria pedindo sua demissão.",
    "Nosso time não pode levar goleadas assim. Se continuar vamos protestar e pedir sua saída do time.",
    "",
    "",
    "O jogador foi mal recebido por parte dos outros jogadores, parece que há um racha no elenco. Talvez o problema seja o excesso de estrelas no time.",
    "A recente contratação causou uma divisão no elenco. Era de se esperar que isso ocorre-se pelo grande número de estrelas juntos.",
    "Eu não venho jogando há muito tempo no time, isto está me deixando infeliz. Gostaria de ser negociado ou começar a participar dos jogos do time.",
    "Eu não venho sendo aproveitado no time, não quero continuar a esquentar o banco. Gostaria de ser escalado nas próximas partidas.",
    "Estou sem contrato há vários jogos, esta situação me deixa inseguro no clube. Gostaria que meu contrato fosse renovado como uma nova oferta salarial ou que eu fosse negociado.",
    "Gostaria que meu contrato fosse renovado com um novo salário, pois esta situação indefinida me deixa inseguro para continuar no clube. ",
    "Uma briga durante os treinamentos entre estes dois jogadores tulmutuou o elenco. Esperamos que daqui pra frente as coisas acalmem.",
    "Os dois jogadores partiram para a briga depois de uma dividida no treino. A diretoria exige que as coisas se acalmem no clube.",
    "A fase do time não anda nada bem, e os torcedores resolveram tumultuar o centro de treinamento do time, o resultado é que o jogador acabou brigando fisicamente com membros da torcida organizada.",
    "Na chega do time ao centro de treinamento o jogador foi hostilizado pela torcida e acabou sendo agredido.",
    "Os torcedores receberam os jogadores com violência na entrada do CT hoje.",
    "Estou sendo submetido à um esforço excessivo. Esta situação está me deixando descontente com a sua comissão técnica. Gostaria de ser poupado por 1 ou mais jogos.",
    "Eu não sou burro de carga! Você está me escalando sem eu ter condições físicas ideais, este excesso de jogos está me deixando descontente. Gostaria de ser poupado por 1 ou mais jogos.",
    "",
    "",
    "",
    "Fico muito contente com este bom aumento concedido por esta competente diretoria. Mostrarei em campo toda minha gratidão!",
    "Fico muito contente com este bom aumento concedido por esta competente diretoria. Mostrarei em campo toda minha gratidão!",
    "O jogador que estava à venda foi vendido por ",
    "Há rumores que você será convidado para dirigir alguma seleção que disputará a copa em breve, nos da diretoria já estamos recebendo algumas informações. Em breve você deverá receber os convites.",
    "O jogador termina seu contrato em menos de 3 semanas.",
    "O jogador teve seu contrato encerrado.",
    "Bem vind@ ao nosso clube. Aqui você receberá informações sobre os seus jogadores, comunicados etc. Não deixe de ler o manual.doc, que está na pasta principal onde o jogo foi instalado. Nele você encontrará estratégias financeiras, táticas etc.Também não deixe de visitar o fórum oficial no site do jogo,onde você poderá trocar idéias com outros jogadores, saber as últimas novidades e muito mais!",
    "O jogador teve seu contrato de empréstimo encerrado. Mas como você tem o limite de 28 jogadores ele só poderá voltar quando tiver um lugar no elenco.",
};

const char* const kSubjects[kMailSubjectCount] = {
    "Bem vindo ao ",
    " expulso",
    ":que negócio é esse?",
    " contundido",
    "O bicho vai pegar!",
    "Não aceitamos goleadas!",
    "Desse jeito você vai cair",
    " vai para o ",
    "Racha no elenco causado por ",
    "Agradecimento",
    "Reclamação",
    "Estou sem contrato",
    "Briga entre ",
    "Torcida briga com ",
    " vendido ao ",
    "Convites para seleção",
    "Contrato se encerrando: ",
    "Contrato encerrado: ",
    " não pode voltar.",
};

}  // namespace

void FillMailTexts()
{
    MailTexts[0].clear();
    MailSubjects[0].clear();
    for (int i = 1; i <= kMailTextCount; ++i)
        MailTexts[i] = kBodies[i - 1];
    for (int i = 1; i <= kMailSubjectCount; ++i)
        MailSubjects[i] = kSubjects[i - 1];
}

}  // namespace tarvelon

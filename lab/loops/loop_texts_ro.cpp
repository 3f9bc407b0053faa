// The loops' texts in Romanian, the program's language and the default, without diacritics as the program
// writes.

#include "lab/loops/loop_text_table.h"
#include "language/catalogue.h"

constexpr LoopTextEntry romanianLoopTexts[loopTextCount] = {
    {LoopText::DescriptionTooLarge, catalogueText("descrierea are mai mult de 1 MB")},
    {LoopText::UnexpectedCharacter, catalogueText("\"{}\" nu face parte din limbaj")},
    {LoopText::NumberTooLarge, catalogueText("numarul {} depaseste 9223372036854775807")},
    {LoopText::ExpectedFound, catalogueText("se asteapta {}, nu \"{}\"")},
    {LoopText::ExpectedAtEnd, catalogueText("se asteapta {} inainte de sfarsitul liniei")},
    {LoopText::ReservedWord, catalogueText("\"{}\" este un cuvant al limbajului, nu un nume")},
    {LoopText::UnknownType, catalogueText("\"{}\" nu este un tip: char, short, int, long, float sau double")},
    {LoopText::UnknownArray, catalogueText("niciun tablou nu se numeste \"{}\"")},
    {LoopText::UnknownName, catalogueText("\"{}\" nu este nici variabila unei bucle din jur, nici o constanta")},
    {LoopText::NameTaken, catalogueText("\"{}\" este deja declarat")},
    {LoopText::VariableReused, catalogueText("\"{}\" este deja variabila unei bucle din jurul acesteia")},
    {LoopText::DeclarationInLoop, catalogueText("{} sta in afara buclelor, la inceputul liniei")},
    {LoopText::TooManyDimensions, catalogueText("un tablou are cel mult trei dimensiuni")},
    {LoopText::DimensionNotPositive, catalogueText("o dimensiune de {}: cel putin 1")},
    {LoopText::IndexCount, catalogueText("\"{}\" are {} dimensiuni, dar sunt date {} indici")},
    {LoopText::AddressNegative, catalogueText("adresa {} este negativa")},
    {LoopText::AlignNotPowerOfTwo, catalogueText("align {}: o putere a lui doi de la 1 la 1073741824")},
    {LoopText::AlignWithAt,
     catalogueText("align merge cu after, sau fara asezare: o adresa data cu at ramane cum este scrisa")},
    {LoopText::ClauseTwice, catalogueText("\"{}\" aseaza sau ordoneaza tabloul a doua oara")},
    {LoopText::ArrayTooLarge, catalogueText("tabloul \"{}\" are 2^63 octeti sau mai mult, sau trece de ultima adresa")},
    {LoopText::IndentUnexpected, catalogueText("linie indentata, dar niciun for de deasupra nu deschide aici un corp")},
    {LoopText::IndentUnmatched, catalogueText("indentarea nu se potriveste cu nicio linie de deasupra")},
    {LoopText::LoopWithoutBody, catalogueText("bucla nu are corp: indentati sub ea liniile pe care le repeta")},
    {LoopText::TooDeep, catalogueText("mai mult de 8 bucle imbricate")},
    {LoopText::ExpressionTooDeep, catalogueText("expresia are mai mult de 32 de niveluri")},
    {LoopText::NoAccesses, catalogueText("niciun read, write sau modify: descrierea nu da niciun trace")},
    {LoopText::IndexOutside, catalogueText("indicele {} al lui \"{}\" este {}, in afara 0..{}")},
    {LoopText::DivisionByZero, catalogueText("impartire la zero")},
    {LoopText::Overflow, catalogueText("valoarea nu incape in 64 de biti")},
    {LoopText::StepZero, catalogueText("un pas de 0: bucla nu s-ar termina niciodata")},
    {LoopText::EmptyRange, catalogueText("{}..{} step {} nu contine nicio valoare (intervalul se opreste inainte de "
                           "limita; o bucla care numara in jos "
                           "are nevoie de un pas negativ)")},
    {LoopText::TraceTooLong, catalogueText("trace-ul ar avea mai mult de {} de accese")},
    {LoopText::TooManyTurns, catalogueText("buclele s-ar repeta de mai mult de {} de ori")},
    {LoopText::AtVariables, catalogueText("{} (cand {})")},
    {LoopText::ExpectedStatement, catalogueText("o instructiune (array, let, for, read, write sau modify)")},
    {LoopText::ExpectedName, catalogueText("un nume")},
    {LoopText::ExpectedArrayName, catalogueText("numele unui tablou")},
    {LoopText::ExpectedType, catalogueText("un tip (char, short, int, long, float sau double)")},
    {LoopText::ExpectedDimension, catalogueText("o dimensiune intre paranteze drepte, ca [256],")},
    {LoopText::ExpectedBracket, catalogueText("\"]\"")},
    {LoopText::ExpectedOpenParenthesis, catalogueText("\"(\"")},
    {LoopText::ExpectedCloseParenthesis, catalogueText("\")\"")},
    {LoopText::ExpectedComma, catalogueText("\",\"")},
    {LoopText::ExpectedEquals, catalogueText("\"=\"")},
    {LoopText::ExpectedIn, catalogueText("\"in\"")},
    {LoopText::ExpectedRange, catalogueText("\"..\" intre prima valoare si limita")},
    {LoopText::ExpectedExpression, catalogueText("un numar, un nume sau \"(\"")},
    {LoopText::ExpectedIndex, catalogueText("un indice intre paranteze drepte, ca [i],")},
    {LoopText::ExpectedMajor, catalogueText("row-major sau column-major")},
    {LoopText::ExpectedClause, catalogueText("at, after, align, row-major sau column-major")},
    {LoopText::ExpectedLineEnd, catalogueText("sfarsitul liniei")},
    {LoopText::TemplateUnknown, catalogueText("niciun sablon nu se numeste \"{}\"; sabloanele: {} (--template list)")},
    {LoopText::TemplateMissingValue, catalogueText("\"{}\" nu are valoare: cheie=valoare")},
    {LoopText::TemplateUnknownKey, catalogueText("\"{}\" nu este un parametru al lui {}; parametrii lui: {}")},
    {LoopText::TemplateRepeatedKey, catalogueText("{} este dat de doua ori")},
    {LoopText::TemplateBadValue, catalogueText("{}: un numar intreg de la {} la {}, cu K sau M pentru 1024 sau 1048576")},
    {LoopText::TemplateListHead,
     catalogueText("Sabloane: --template NUME[,CHEIE=VALOARE...]; fiecare parametru cu valoarea implicita si intervalul "
     "lui,\n"
     "apoi descrierea pe care o ruleaza sablonul (acelasi limbaj ca la --loops).\n")},
    {LoopText::TemplateListParameter, catalogueText("  {}  {} (implicit {}, de la {} la {})\n")},
    {LoopText::TemplateRows, catalogueText("o matrice de int-uri insumata linie dupa linie: adresele cresc cu 4")},
    {LoopText::TemplateColumns, catalogueText("aceeasi matrice insumata coloana dupa coloana: adresele cresc cu o linie")},
    {LoopText::TemplateStride, catalogueText("fiecare al k-lea element al unui vector de int-uri, insumat")},
    {LoopText::TemplateTranspose, catalogueText("B = transpusa lui A, element dupa element")},
    {LoopText::TemplateBlockedTranspose, catalogueText("B = transpusa lui A, bloc dupa bloc")},
    {LoopText::TemplateProductIjk,
     catalogueText("C += A x B de double-uri, buclele i, j, k: o suma intr-un registru pentru fiecare element al lui C")},
    {LoopText::TemplateProductIkj,
     catalogueText("C += A x B de double-uri, buclele i, k, j: A[i][k] intr-un registru, linii din B si C")},
    {LoopText::TemplateProductJki,
     catalogueText("C += A x B de double-uri, buclele j, k, i: B[k][j] intr-un registru, coloane din A si C")},
    {LoopText::TemplateConflict,
     catalogueText("y = x, cei doi vectori la distanta unei dimensiuni de cache: x[i] si y[i] cad in acelasi set")},
    {LoopText::ParameterRows, catalogueText("liniile matricei")},
    {LoopText::ParameterColumns, catalogueText("coloanele matricei")},
    {LoopText::ParameterElements, catalogueText("numarul de elemente")},
    {LoopText::ParameterStride, catalogueText("pasul, in elemente")},
    {LoopText::ParameterSide, catalogueText("latura matricelor")},
    {LoopText::ParameterBlock, catalogueText("latura blocului")},
    {LoopText::ParameterApart, catalogueText("octetii de la x la y")},
    {LoopText::HelpLoops,
     catalogueText("\n"
     "Bucle in locul unui trace:\n"
     "  --loops FISIER        o descriere de tablouri si bucle imbricate, cum o tipareste un exercitiu;\n"
     "                        citirile, scrierile si modificarile ei, in ordinea programului, sunt "
     "trace-ul:\n"
     "                          array A int[256][256] at 0x10000\n"
     "                          for i in 0..256\n"
     "                            for j in 0..256\n"
     "                              read A[i][j]\n"
     "  --template NUME[,CHEIE=VALOARE...]\n"
     "                        una din buclele clasice cu dimensiunile ei: rows, columns, stride, transpose,\n"
     "                        blocked-transpose, product-ijk, product-ikj, product-jki, conflict;\n"
     "                        --template list le arata cu parametrii si descrierile lor\n"
     "  --emit-trace          tipareste trace-ul in formatul plain in loc sa-l ruleze\n"
     "O descriere care nu poate fi citita: FISIER:LINIE:COLOANA: ce este gresit, iesire 65.\n"
     "\n"
     "  tarvel_cache_lab --template columns,rows=64,columns=64 --level size=1K,line=16,ways=1\n"
     "  tarvel_cache_lab --template blocked-transpose,n=512,block=8 --level size=32K --csv\n"
     "  tarvel_cache_lab --loops suma.loops --emit-trace > suma.trace\n")},
    {LoopText::UsageEmitExclusive,
     catalogueText("--emit-trace tipareste trace-ul in loc sa-l ruleze: fara --csv, --json, --steps sau --sweep cu el")},
    {LoopText::UsageLoopsAndFormat, catalogueText("{} citeste un fisier trace; {} nu are nevoie de unul")},
};

static_assert(holdsEveryLoopTextInOrder(romanianLoopTexts));

// The laboratory's texts in Romanian, the program's language and the default, without diacritics as the
// program writes.

#include "lab/lab_text_table.h"
#include "language/catalogue.h"

constexpr LabTextEntry romanianLabTexts[labTextCount] = {
    {LabText::StandardInput, catalogueText("intrarea standard")},
    {LabText::FormatChosen, catalogueText("{}: citit ca {}, dupa primele linii")},
    {LabText::TraceUnreadable, catalogueText("nu poate fi citit")},
    {LabText::TraceNoAccesses, catalogueText("niciun acces")},
    {LabText::TraceLineTooLong, catalogueText("linia are mai mult de 4096 de octeti")},
    {LabText::TraceBinary, catalogueText("un octet NUL sau de control: un fisier binar, nu un trace")},
    {LabText::TraceNotText, catalogueText("octeti care nu sunt text UTF-8")},
    {LabText::TraceUnknownOperationPlain,
     catalogueText("\"{}\" nu este o operatie: R, r sau L citire, W, w sau S scriere, M modificare, urmata de un spatiu")},
    {LabText::TraceUnknownOperationDin,
     catalogueText("\"{}\" nu este o eticheta: 0 citire, 1 scriere, 2 citire de instructiune, 3 si 4 inregistrari speciale")},
    {LabText::TraceUnknownOperationLackey,
     catalogueText("\"{}\" nu este o inregistrare lackey: I la inceputul liniei, sau un spatiu si apoi L, S sau M")},
    {LabText::TraceMissingAddress, catalogueText("lipseste adresa")},
    {LabText::TraceBadAddress, catalogueText("\"{}\" nu este o adresa: {}")},
    {LabText::TraceAddressTooLarge, catalogueText("adresa \"{}\" nu incape in 64 de biti")},
    {LabText::TraceMissingSize, catalogueText("se asteapta o dimensiune dupa virgula")},
    {LabText::TraceBadSize, catalogueText("\"{}\" nu este o dimensiune: {}")},
    {LabText::TraceSizeZero, catalogueText("un acces de 0 octeti: dimensiunea este cel putin 1")},
    {LabText::TraceSizeTooLarge, catalogueText("dimensiunea \"{}\" depaseste 4294967295 de octeti")},
    {LabText::TracePastLastByte, catalogueText("accesul trece de ultima adresa, 0xffffffffffffffff")},
    {LabText::TraceExtraText, catalogueText("\"{}\" dupa acces")},
    {LabText::NumberDecimalOrHex, catalogueText("un numar zecimal, sau hexazecimal dupa 0x")},
    {LabText::NumberHex, catalogueText("un numar hexazecimal")},
    {LabText::NumberDecimal, catalogueText("un numar zecimal")},
    {LabText::LevelFault, catalogueText("{}, {}: {}")},
    {LabText::SpecUnknownKey, catalogueText("cheie necunoscuta; cheile sunt size, line, ways, policy, write, allocate si hit")},
    {LabText::SpecMissingValue, catalogueText("lipseste valoarea: cheie=valoare")},
    {LabText::SpecRepeatedKey, catalogueText("data de doua ori")},
    {LabText::SpecBadSize, catalogueText("\"{}\" nu este o dimensiune: un numar intreg de octeti, cu K sau M pentru ko sau Mo")},
    {LabText::SpecBadCycles, catalogueText("\"{}\" nu este un numar intreg de cicluri")},
    {LabText::SpecBadWays, catalogueText("\"{}\" nu este un numar de cai: un numar intreg, sau full")},
    {LabText::SpecBadPolicy, catalogueText("\"{}\" nu este o politica: fifo, lru, random, plru, lfu sau opt")},
    {LabText::SpecBadWrite, catalogueText("\"{}\" nu este o regula de scriere: back sau through")},
    {LabText::SpecBadAllocate, catalogueText("\"{}\" nu este yes sau no")},
    {LabText::SpecTooManyLines, catalogueText("{} linii, mai multe decat cele {} pe care le poate avea un nivel")},
    {LabText::LevelCapacityNotLines, catalogueText("{} octeti nu fac un numar intreg de linii de {} octeti, cel putin una")},
    {LabText::LevelCapacityNotSets, catalogueText("{} linii nu fac seturi intregi de {} cai")},
    {LabText::LevelLineNotPowerOfTwo, catalogueText("o linie de {} octeti: linia trebuie sa fie o putere a lui 2")},
    {LabText::LevelSetsNotPowerOfTwo, catalogueText("{} seturi ({} linii / {} cai): numarul de seturi trebuie sa fie o putere a lui 2")},
    {LabText::LevelWaysZero, catalogueText("0 cai: un set are cel putin o linie")},
    {LabText::LevelMoreWaysThanLines, catalogueText("{} cai, dar nivelul are doar {} linii")},
    {LabText::LevelPlruWays, catalogueText("plru cere un numar de cai putere a lui 2, nu {}")},
    {LabText::LevelLineSmallerThanAbove, catalogueText("o linie de {} octeti, mai mica decat cei {} octeti ai nivelului de deasupra")},
    {LabText::LevelTooMany, catalogueText("cel mult trei niveluri, de la L1 la L3")},
    {LabText::LevelNone, catalogueText("niciun nivel")},
    {LabText::UsageUnknownOption, catalogueText("optiune necunoscuta \"{}\"; se accepta: {}")},
    {LabText::UsageNeedsValue, catalogueText("{} are nevoie de o valoare")},
    {LabText::UsageBadChoice, catalogueText("{} accepta {}, nu \"{}\"")},
    {LabText::UsageBadWhole, catalogueText("{} accepta un numar intreg de la {} la {}, nu \"{}\"")},
    {LabText::UsageNoTrace,
     catalogueText("niciun trace: dati un fisier, - pentru intrarea standard, sau --example rows ori columns")},
    {LabText::UsageTwoTraces, catalogueText("un singur trace odata, nu \"{}\" si \"{}\"")},
    {LabText::UsageOutputsExclusive, catalogueText("--csv, --json, --steps si --sweep inlocuiesc fiecare tabelul: alegeti una")},
    {LabText::UsageSweepOneLevel, catalogueText("--sweep simuleaza doar L1: dati cel mult un --level")},
    {LabText::UsageExampleAndFormat, catalogueText("{} citeste un fisier trace; --example nu are nevoie de unul")},
    {LabText::OpenFailed, catalogueText("{}: nu poate fi deschis: {}")},
    {LabText::OutputFailed, catalogueText("iesirea nu a putut fi scrisa")},
    {LabText::Help,
     catalogueText("Utilizare: tarvel_cache_lab [optiuni] TRACE\n"
     "Trece un trace de citiri si scrieri prin unul pana la trei niveluri de cache si memoria principala si\n"
     "tipareste pentru fiecare nivel cererile, hit-urile, miss-urile de fiecare fel, write-back-urile si\n"
     "traficul, apoi timpul mediu de acces la memorie (AMAT).\n"
     "\n"
     "Trace-ul:\n"
     "  TRACE                 un fisier trace, sau - pentru intrarea standard\n"
     "  --example NUME        un trace inclus in program: rows sau columns, un tablou de 256 x 256 de\n"
     "                        intregi de 4 octeti de la adresa 0, adunat pe linii sau pe coloane (65536 de\n"
     "                        citiri de 4 octeti)\n"
     "  --format NUME         auto (implicit: dupa primele linii, numit la iesirea de erori), plain, din\n"
     "                        sau lackey\n"
     "  --no-ifetch           omite citirile de instructiuni (altfel sunt citiri)\n"
     "\n"
     "Formate (se accepta linii goale, comentarii cu # si sfarsituri de linie CRLF; adresele au 64 de biti;\n"
     "un acces de SIZE octeti atinge fiecare linie de la ADDRESS la ADDRESS + SIZE - 1):\n"
     "  plain   [OP] ADDRESS [SIZE]: OP R, r sau L citire (implicit), W, w sau S scriere, M modificare (o\n"
     "          citire urmata de o scriere); ADDRESS zecimal, sau hexazecimal dupa 0x; SIZE dupa o virgula\n"
     "          sau un spatiu, implicit 1:        R 0x1000,4     W 4096 8     8192\n"
     "  din     LABEL ADDRESS [SIZE]: LABEL 0 citire, 1 scriere, 2 citire de instructiune, 3 si 4 sarite;\n"
     "          ADDRESS hexazecimal, SIZE zecimal, implicit 4:        0 7fff0010     1 1000 8\n"
     "  lackey  liniile lui Lackey din Valgrind (--trace-mem=yes); liniile care incep cu == sunt sarite:\n"
     "          I  0400d7d4,8     L 7ff000398,8     S 7ff000390,8     M 0601040,4\n"
     "\n"
     "Ierarhia:\n"
     "  --level SPEC          un nivel, intai L1; se repeta pentru L2 si L3. SPEC are perechi cheie=valoare\n"
     "                        despartite prin virgule; o cheie omisa isi pastreaza valoarea implicita:\n"
     "                          size=32K,line=64,ways=8,policy=lru,write=back,allocate=yes,hit=4\n"
     "                        size si line in octeti, cu K sau M; ways un numar, sau full pentru un nivel\n"
     "                        complet asociativ; policy fifo, lru, random, plru, lfu sau opt; write back\n"
     "                        sau through; allocate yes (un miss la scriere aduce linia) sau no (scrierea\n"
     "                        merge mai jos); hit timpul de hit al nivelului in cicluri. Fara --level: L1\n"
     "                        cu valorile implicite\n"
     "  --memory CICLURI      timpul de acces al memoriei principale (implicit 100)\n"
     "  --seed N              samanta generatorului fiecarui nivel cu politica random (implicit 1)\n"
     "\n"
     "Iesirea (implicit un tabel al nivelurilor si AMAT):\n"
     "  --csv                 acelasi lucru in CSV: un rand pe nivel, apoi memory, apoi amat:\n"
     "                        level,accesses,reads,writes,hits,misses,miss_rate,compulsory,capacity,\n"
     "                        conflict,writebacks,bytes_in,bytes_out,dirty_at_end\n"
     "  --json                acelasi lucru ca un obiect JSON\n"
     "  --steps               fiecare cerere la fiecare nivel in CSV, in ordinea in care au loc:\n"
     "                        step,level,op,address,set,tag,outcome,kind,victim,writeback\n"
     "  --sweep               doar L1 cu LRU, cu linia si regulile de scriere din --level, fiecare\n"
     "                        dimensiune de la 1K la 4M cu 1, 2, 4, 8 si 16 cai si complet asociativ, in CSV:\n"
     "                        size,ways,accesses,misses,miss_rate,compulsory,capacity,conflict\n"
     "  --lang LIMBA          limba tabelului: ro (implicit) sau en\n"
     "  --help                acest text\n"
     "\n"
     "Exemple:\n"
     "  Acelasi tablou citit pe linii si pe coloane printr-un L1 direct de 4 ko cu linii de 64 de octeti: pe\n"
     "  linii rateaza fiecare a 16-a citire (6.25 %), pe coloane fiecare citire:\n"
     "    tarvel_cache_lab --example rows --level size=4K,ways=1\n"
     "    tarvel_cache_lab --example columns --level size=4K,ways=1\n"
     "  Write-back fata de write-through pe patru accese scrise de mana; comparati octetii scrisi in jos:\n"
     "    printf 'W 0x0,4\\nW 0x4,4\\nR 0x40\\nR 0x80\\n' | tarvel_cache_lab - --level size=128,ways=1\n"
     "    printf 'W 0x0,4\\nW 0x4,4\\nR 0x40\\nR 0x80\\n' | tarvel_cache_lab - --level size=128,ways=1,write=through\n"
     "  Doua niveluri si AMAT calculat, h1 + m1 x (h2 + m2 x memorie):\n"
     "    tarvel_cache_lab --example columns --level size=8K,hit=1 --level size=64K,hit=10 --memory 100\n"
     "  Fiecare cerere a unui trace prin ambele niveluri, si curba ratei de pierderi dupa dimensiune:\n"
     "    tarvel_cache_lab --steps --level size=1K --level size=8K trace.din\n"
     "    tarvel_cache_lab --sweep --example columns\n"
     "\n"
     "Cod de iesire: 0 gata; 2 un nivel nu poate fi construit (fiecare greseala e numita si nu ruleaza\n"
     "nimic); 64 o greseala de utilizare; 65 o linie a trace-ului nu poate fi citita (FISIER:LINIE: de ce)\n"
     "sau trace-ul nu are niciun acces; 66 trace-ul nu poate fi deschis sau citit; 74 iesirea nu poate fi\n"
     "scrisa. Dupa o eroare iesirea standard e goala, iar iesirea de erori are cate o linie pe greseala.\n"
     "--steps pe intrarea standard tine accesele in memorie (16 octeti fiecare) pana la ultima linie; dintr-un\n"
     "fisier il citeste de doua ori.\n")},
    {LabText::SummaryTrace, catalogueText("Trace: {} ({}), {} accese")},
    {LabText::SummarySkipped, catalogueText(", {} inregistrari speciale sarite")},
    {LabText::SummaryDropped, catalogueText(", {} citiri de instructiuni omise")},
    {LabText::SummaryLevel, catalogueText("{}: {} octeti, linii de {} octeti, {}, {} seturi, {}, write-{}, allocate={}, hit {} cicluri")},
    {LabText::SummaryWays, catalogueText("asociativitate {}")},
    {LabText::SummaryWaysFull, catalogueText("complet asociativ")},
    {LabText::SummaryMemory, catalogueText("Memoria: {} cicluri")},
    {LabText::SummaryRowLevel, catalogueText("Nivel")},
    {LabText::SummaryRowAccesses, catalogueText("Cereri")},
    {LabText::SummaryRowReads, catalogueText("  citiri")},
    {LabText::SummaryRowWrites, catalogueText("  scrieri")},
    {LabText::SummaryRowHits, catalogueText("Hit-uri")},
    {LabText::SummaryRowMisses, catalogueText("Miss-uri")},
    {LabText::SummaryRowMissRate, catalogueText("Rata de pierderi")},
    {LabText::SummaryRowCompulsory, catalogueText("  obligatorii")},
    {LabText::SummaryRowCapacity, catalogueText("  de capacitate")},
    {LabText::SummaryRowConflict, catalogueText("  de conflict")},
    {LabText::SummaryRowWritebacks, catalogueText("Write-back-uri")},
    {LabText::SummaryRowBytesIn, catalogueText("Octeti adusi de jos")},
    {LabText::SummaryRowBytesOut, catalogueText("Octeti scrisi in jos")},
    {LabText::SummaryRowDirty, catalogueText("Linii murdare la final")},
    {LabText::SummaryMemoryTraffic, catalogueText("Memoria: {} cereri ({} citiri, {} scrieri), {} octeti cititi, {} octeti scrisi")},
    {LabText::SummaryAmat, catalogueText("AMAT = {} = {} cicluri")},
    {LabText::SummaryAmatNote,
     catalogueText("(fiecare m este rata locala de pierderi a nivelului, din aducerile si accesele venite de sus: {})")},
};

static_assert(holdsEveryTextInOrder(romanianLabTexts));

#include "practice/configuration_link.h"

#include "config/cache_config.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

DialogFields everyFieldSet() {
    DialogFields fields;
    fields.ram = "1";
    fields.cache = "16";
    fields.block = "4096";
    fields.sets = "2";
    fields.iterations = "1";
    for (std::size_t i = 0; i < fields.addresses.size(); ++i) {
        fields.addresses[i] = std::to_string(4294967295u - i);
    }
    fields.mapping = toInt(MappingMethod::SetAssociative);
    fields.policy = toInt(ReplacementPolicy::Lru);
    fields.mode = toInt(WorkMode::GivenSequence);
    return fields;
}

void expectSameFields(const DialogFields& read, const DialogFields& written) {
    EXPECT_EQ(read.ram, written.ram);
    EXPECT_EQ(read.cache, written.cache);
    EXPECT_EQ(read.block, written.block);
    EXPECT_EQ(read.sets, written.sets);
    EXPECT_EQ(read.iterations, written.iterations);
    EXPECT_EQ(read.addresses, written.addresses);
    EXPECT_EQ(read.mapping, written.mapping);
    EXPECT_EQ(read.policy, written.policy);
    EXPECT_EQ(read.mode, written.mode);
}

TEST(ConfigurationLinkTest, EveryFieldAndListGoesThereAndBack) {
    const DialogFields fields = everyFieldSet();
    std::vector<std::string> leftOut;
    const std::string link = writeConfigurationLink(fields, leftOut);
    EXPECT_TRUE(leftOut.empty());
    EXPECT_EQ(link, "ram=1&cache=16&block=4096&sets=2&iterations=1&address0=4294967295&address1=4294967294&"
                    "address2=4294967293&address3=4294967292&address4=4294967291&address5=4294967290&"
                    "address6=4294967289&address7=4294967288&address8=4294967287&address9=4294967286&"
                    "mapping=asociativa%20pe%20seturi&policy=LRU&mode=secventa%20data");
    for (const std::string& fragment : {link, "#" + link}) {
        const LinkReading reading = readConfigurationLink(fragment);
        EXPECT_TRUE(reading.hasFields);
        EXPECT_FALSE(reading.exercise);
        EXPECT_EQ(reading.unreadCount, 0u);
        EXPECT_EQ(unreadLinkMessage(reading), "");
        expectSameFields(reading.fields, fields);
    }
}

// A new dialog's "0" and lists without a selection stay out; a text the link cannot carry is named.
TEST(ConfigurationLinkTest, ALinkHoldsOnlyWhatDiffersFromANewDialog) {
    DialogFields fields;
    fields.block = "1024";
    fields.addresses[3] = "74565";
    fields.mode = toInt(WorkMode::Individual);
    fields.cache = " 16";
    fields.ram = "abc";
    std::vector<std::string> leftOut;
    EXPECT_EQ(writeConfigurationLink(fields, leftOut), "block=1024&address3=74565&mode=individual");
    EXPECT_EQ(leftOut, (std::vector<std::string>{"ram", "cache"}));
    fields.ram = "0";
    fields.cache = "0";
    expectSameFields(readConfigurationLink("block=1024&address3=74565&mode=individual").fields, fields);
    EXPECT_EQ(writeConfigurationLink(DialogFields{}, leftOut), "");
    EXPECT_EQ(writeExerciseLink(18446744073709551615u), "exercise=18446744073709551615");
}

TEST(ConfigurationLinkTest, AnExerciseNumberIsReadAndFieldsBesideItAreNot) {
    EXPECT_EQ(readConfigurationLink("#exercise=7").exercise, 7u);
    EXPECT_EQ(readConfigurationLink("exercise=18446744073709551615").exercise, 18446744073709551615u);
    const LinkReading both = readConfigurationLink("ram=1&exercise=7&mapping=directa");
    EXPECT_EQ(both.exercise, 7u);
    EXPECT_FALSE(both.hasFields);
    expectSameFields(both.fields, DialogFields{});
    EXPECT_EQ(both.unread, (std::vector<std::string>{"ram", "mapping"}));
    EXPECT_EQ(unreadLinkMessage(both), "Din legatura nu s-au putut citi: ram, mapping; restul a fost citit.");
    for (const char* fragment : {"exercise=18446744073709551616", "exercise=-1", "exercise=%207",
                                 "exercise=", "exercise=7e3", "exercise=0x7"}) {
        const LinkReading reading = readConfigurationLink(fragment);
        EXPECT_FALSE(reading.exercise) << fragment;
        EXPECT_EQ(unreadLinkMessage(reading), "Legatura nu a putut fi citita: exercise.") << fragment;
    }
}

// Wrong names, values a field or list does not take, huge values, script text, broken escapes, repeated
// names: each such part fills nothing, and the rest is read.
TEST(ConfigurationLinkTest, HostilePartsFillNothingAndAreNamed) {
    const LinkReading reading = readConfigurationLink(
        "ram=2&RAM=4&cache=99999999999&block=4294967296&sets=-1&iterations=1.5&address0=%3Cscript%3Ealert(1)"
        "%3C%2Fscript%3E&mapping=directa%00&policy=lru&mode=secventa+data&address1=%zz&ram=8&&=5&address10=1&"
        "address2=12" +
        std::string(100000, '3'));
    DialogFields expected;
    expected.ram = "2";
    expected.mode = toInt(WorkMode::GivenSequence);
    expectSameFields(reading.fields, expected);
    EXPECT_TRUE(reading.hasFields);
    EXPECT_EQ(reading.unreadCount, 13u);
    EXPECT_EQ(reading.unread, (std::vector<std::string>{"RAM", "cache", "block", "sets", "iterations"}));
    EXPECT_EQ(unreadLinkMessage(reading),
              "Din legatura nu s-au putut citi: RAM, cache, block, sets, iterations "
              "si inca 8; restul a fost citit.");

    const LinkReading script = readConfigurationLink("<img src=x onerror=alert(1)>=1&%E2%9C%93=2&a%0Ab=3");
    EXPECT_FALSE(script.hasFields);
    EXPECT_EQ(script.unread, (std::vector<std::string>{"<img?src", "%E2%9C%93", "a%0Ab"}));
    EXPECT_EQ(unreadLinkMessage(script), "Legatura nu a putut fi citita: <img?src, %E2%9C%93, a%0Ab.");
    for (const char* empty : {"", "#", "&&&", "#&"}) {
        const LinkReading nothing = readConfigurationLink(empty);
        EXPECT_FALSE(nothing.hasFields);
        EXPECT_FALSE(nothing.exercise);
        EXPECT_EQ(unreadLinkMessage(nothing), "") << empty;
    }
}

// A link's language comes after its fields or exercise and goes there and back; an unknown one is a part not
// read, named on the problem line, and the rest of the link is read.
TEST(ConfigurationLinkTest, ALanguageIsReadBesideTheRestAndAnUnknownOneIsNamed) {
    std::vector<std::string> leftOut;
    const std::string fields = linkInLanguage(writeConfigurationLink(everyFieldSet(), leftOut), Language::English);
    EXPECT_TRUE(fields.ends_with("&lang=en")) << fields;
    const LinkReading read = readConfigurationLink(fields);
    expectSameFields(read.fields, everyFieldSet());
    EXPECT_EQ(read.language, Language::English);
    EXPECT_EQ(read.unreadCount, 0u);
    EXPECT_EQ(linkInLanguage(writeExerciseLink(7), Language::Romanian), "exercise=7");

    const LinkReading exercise = readConfigurationLink("#exercise=7&lang=ro");
    EXPECT_EQ(exercise.exercise, 7u);
    EXPECT_EQ(exercise.language, Language::Romanian);
    EXPECT_EQ(exercise.unreadCount, 0u);

    const LinkReading unknown = readConfigurationLink("ram=2&lang=xx");
    EXPECT_EQ(unknown.fields.ram, "2");
    EXPECT_FALSE(unknown.language);
    EXPECT_EQ(unreadLinkMessage(unknown, Language::English),
              "Of the link these could not be read: lang; the rest was read.");
}

} // namespace

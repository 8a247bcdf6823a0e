#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace reelkeep {

// An Ant Movie Catalog file written value by value, for the reader's tests and the fuzz seeds.
class AmcBytes {
public:
    // version as the program numbers it: 35 is 3.5.
    explicit AmcBytes(int version) : version_(version) {
        const std::string v = std::to_string(version / 10) + "." + std::to_string(version % 10);
        if (version <= 21) {
            bytes_ = " AMC_" + v + " ANSYsoft Movie Catalog http://moviecatalog.ansysoft.com ";
        } else if (version == 30) {
            bytes_ = " AMC_3.0 Ant Movie Catalog www.buypin.com www.ant.be.tf/software ";
        } else {
            bytes_ = " AMC_" + v + " Ant Movie Catalog " + v + ".x   " +
                     (version < 35   ? "www.buypin.com  www.ant.be.tf "
                      : version < 40 ? "www.buypin.com    www.antp.be "
                                     : "antp/soulsnake    www.antp.be ");
        }
    }
    AmcBytes& Int(std::int32_t value) {
        for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
        return *this;
    }
    AmcBytes& Bool(bool value) {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    AmcBytes& Text(std::initializer_list<std::string_view> texts) {
        for (const std::string_view text : texts)
            Int(static_cast<std::int32_t>(text.size())).Raw(text);
        return *this;
    }
    AmcBytes& Raw(std::string_view bytes) {
        bytes_ += bytes;
        return *this;
    }
    // From 4.0: two custom fields, the second a list with one value.
    AmcBytes& Owner() {
        Text({"Owner", "mail"});
        if (version_ < 35) Text({"icq"});
        Text({"site", "description"});
        if (version_ < 40) return *this;
        Text({"columns", "gui"}).Int(2);
        for (const std::string_view field : {"Shelf colour", "Edition"}) {
            Text({field == "Edition" ? "Edition" : "Shelf", field});
            if (version_ >= 41) Text({""});
            Text({field == "Edition" ? "ftList" : "ftString", ""});
            if (version_ >= 41) Text({""});
            Bool(false);
            if (version_ >= 41) Int(',').Bool(false).Bool(false);
            Bool(false).Text({""});
            if (field == "Edition") Int(1).Text({"Director's cut"});
            if (field == "Edition" && version_ >= 41) Int(0);  // four flags
        }
        return *this;
    }
    // A movie with a value in every field this version has, or with none.
    AmcBytes& Movie(bool full) {
        const auto t = [full](std::string_view value) { return full ? value : std::string_view{}; };
        const auto n = [full](std::int32_t value) { return full ? value : -1; };
        Int(full ? 7 : 8).Int(full ? 40000 : 0);
        if (version_ >= 42) Int(n(40100)).Int(n(85));
        Int(n(70)).Int(n(1981)).Int(n(149)).Int(n(1200)).Int(n(192)).Int(n(1));
        if (version_ >= 41) Int(full ? 2 : 0);
        Bool(true).Text({t("Shelf 3")});
        if (version_ >= 33) Text({t("VHS"), t("TV")});
        Text({t("Anna"), t("Das Boot"), full ? "The Boat" : "Untitled", t("Wolfgang Petersen"),
              t("Bavaria Film")});
        if (version_ >= 42) Text({t("writer"), t("composer")});
        Text({t("Germany"), t("War, Drama/Thriller")});
        if (version_ >= 42) Text({t("PG-13 (USA)")});
        Text({t("J\xFCrgen Prochnow (Captain), Herbert Gr\xF6nemeyer as Werner\r\n"
                "Klaus Wennemann (Chief, engineer)"),
              t("http://x"), t("U-96 patrols."), t("great")});
        if (version_ >= 42) Text({t("C:\\boot.avi")});
        Text({t("DivX"), t("MP3"), t("640x480"), t("25"), t("German"), t("English"), t("700 MB")});
        Text({t(".jpg")}).Int(full ? 3 : 0).Raw(t("abc"));
        if (version_ >= 40) Text({t("blue"), ""});
        if (version_ >= 42) Int(full ? 1 : 0);
        if (version_ >= 42 && full) {
            Bool(true).Text({"tag", "Trailer", "cat", "url", "desc", "comm", "by", ".png"});
            Int(2).Raw("xy");
        }
        return *this;
    }
    // 1.0 to 3.0: the owner block (2.1 on), then a fixed record of this version and the cover
    // stored after it (3.0).
    AmcBytes& FixedMovie(bool withOwner) {
        if (withOwner && version_ >= 21) Raw(std::string(340, '\0'));
        std::string record(version_ >= 30   ? 1900
                           : version_ >= 21 ? 1852
                           : version_ >= 11 ? 1844
                                            : 1840,
                           ' ');
        const auto put = [&record](std::size_t at, std::string_view text) {
            record[at] = static_cast<char>(text.size());
            record.replace(at + 1, text.size(), text);
        };
        const auto num = [&record](std::size_t at, std::int32_t value) {
            for (int i = 0; i < 4; ++i)
                record[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        };
        num(0, 7);
        num(236, 1);  // 3.0's "no year"
        num(276, 149);
        for (const auto& [at, text] :
             std::initializer_list<std::pair<std::size_t, std::string_view>>{
                 {4, "Das Boot"},
                 {69, ""},
                 {134, "Wolfgang Petersen"},
                 {167, "Bavaria"},
                 {200, "Germany"},
                 {240, "War/Drama"},
                 {409, "http://"},
                 {280, "J\xFCrgen Prochnow, Herbert Gr\xF6nemeyer"}}) {
            put(at, text);
        }
        record.replace(538, 14, std::string_view("U-96 patrols.\0", 14));
        for (const std::size_t at : {1562U, 1691U, 1724U, 1757U, 1774U, 1807U}) put(at, "");
        put(1774, "German");
        if (version_ >= 11) num(1840, 3);
        if (version_ >= 21) num(1848, 693961);
        if (version_ >= 30) {
            put(1852, ".jpg");
            num(1860, 3);
            put(1864, "Anna");
        }
        return Raw(record).Raw(version_ >= 30 ? "abc" : "");
    }
    const std::string& str() const { return bytes_; }
    int version() const { return version_; }

private:
    int version_;
    std::string bytes_;
};

}  // namespace reelkeep

#include "form_values.h"
#include "html_form.h"

#include <gtest/gtest.h>

using namespace zw::online;

namespace {

const char* kFeedbackPage = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Feedback</title></head><body>
<form method="POST" action="postit.php" id="f1">
<input type="hidden" name="source" value="zunderwerk-2.0">
<input name="input_name" value=" Max
 Muster ">
<input type="EMAIL" name="input_mail" value="  a@b.de ">
<input type="url" name="input_home">
<textarea name="input_message">
erste Zeile
zweite</textarea>
<select name="choice"><option>  eins  zwei </option><option value="3" selected>drei</option><option selected>vier</option></select>
<select name="plain"><option disabled>x</option><optgroup label="g"><option>y</option></optgroup></select>
<fieldset disabled><legend><input name="in_legend" value="l"></legend><input name="in_set" value="s"></fieldset>
<datalist><input name="in_list"></datalist>
<input type="frobnicate" name="odd">
<button name="Ok">Absenden</button>
</form>
<input name="outside" form="f1" value="o">
<form><input name="second"></form>
</body></html>)";

} // namespace

TEST(HtmlForm, ReadsFormsAndControlsAsABrowserDoes)
{
    const HtmlPage page = parseHtmlPage(kFeedbackPage);
    EXPECT_EQ(page.charset, "UTF-8");
    ASSERT_EQ(page.forms.size(), 2u);
    const HtmlForm& form = page.forms[0];
    EXPECT_EQ(form.method, "post");
    EXPECT_EQ(form.action, "postit.php");

    std::vector<std::string> names;
    for (const auto& c : form.controls) {
        names.push_back(c.name);
    }
    const std::vector<std::string> expected{"source", "input_name", "input_mail", "input_home", "input_message",
                                            "choice", "plain", "in_legend", "in_set", "in_list", "odd", "Ok",
                                            "outside"};
    EXPECT_EQ(names, expected);

    EXPECT_EQ(findControl(form, "input_name")->value, " Max Muster ");   // line breaks stripped
    EXPECT_EQ(findControl(form, "input_mail")->value, "a@b.de");         // and e-mail trimmed
    EXPECT_EQ(findControl(form, "input_message")->value, "erste Zeile\nzweite");   // leading newline dropped
    EXPECT_EQ(findControl(form, "odd")->type, "text");
    EXPECT_EQ(findControl(form, "Ok")->type, "submit");
    EXPECT_FALSE(findControl(form, "in_legend")->disabled);
    EXPECT_TRUE(findControl(form, "in_set")->disabled);
    EXPECT_TRUE(findControl(form, "in_list")->inDatalist);

    const auto& choice = findControl(form, "choice")->options;
    ASSERT_EQ(choice.size(), 3u);
    EXPECT_EQ(choice[0].value, "eins zwei");
    EXPECT_FALSE(choice[1].selected);   // only the last marked option stays selected
    EXPECT_TRUE(choice[2].selected);
    const auto& plain = findControl(form, "plain")->options;
    EXPECT_FALSE(plain[0].selected);    // the first option that is not disabled
    EXPECT_TRUE(plain[1].selected);
}

TEST(HtmlForm, CharsetFromHeaderMetaOrBytes)
{
    struct Case { std::string bytes; const char* header; const char* charset; const char* value; };
    const Case cases[] = {
        {"<form><input name=a value=\"\xfc\"></form>", "", "windows-1252", "ü"},
        {"<form><input name=a value=\"\xc3\xbc\"></form>", "", "UTF-8", "ü"},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"><form><input name=a value=\"\xc3\xbc\"></form>",
         "", "windows-1252", "Ã¼"},
        {"<meta charset=utf-8><form><input name=a value=\"\x80\"></form>", "text/html; charset=windows-1252",
         "windows-1252", "€"},
        {"\xEF\xBB\xBF<meta charset=latin1><form><input name=a value=\"\xc3\xbc\"></form>", "", "UTF-8", "ü"},
    };
    for (const auto& c : cases) {
        const HtmlPage page = parseHtmlPage(c.bytes, c.header);
        EXPECT_EQ(page.charset, c.charset) << c.bytes;
        ASSERT_EQ(page.forms.size(), 1u);
        EXPECT_EQ(page.forms[0].controls.at(0).value, c.value) << c.bytes;
    }
}

TEST(HtmlForm, SettingValuesLikeAScript)
{
    HtmlPage page = parseHtmlPage(kFeedbackPage);
    HtmlForm& form = page.forms[0];
    EXPECT_TRUE(setControlValue(form, "input_name", "Anna\r\nBerg"));
    EXPECT_EQ(findControl(form, "input_name")->value, "AnnaBerg");
    EXPECT_TRUE(setControlValue(form, "input_message", "a\r\n\r\nb"));
    EXPECT_EQ(findControl(form, "input_message")->value, "a\r\n\r\nb");
    EXPECT_TRUE(setControlValue(form, "f1", "x") == false);   // the form's own id names no control
    EXPECT_FALSE(setControlValue(form, "missing", "x"));
    EXPECT_FALSE(setControlValue(form, "choice", "3"));
    EXPECT_FALSE(setControlValue(page.forms[1], "input_name", "x"));
}

TEST(HtmlForm, PageWithoutFormsOrGarbage)
{
    EXPECT_TRUE(parseHtmlPage("").forms.empty());
    EXPECT_TRUE(parseHtmlPage("<p>Not Found</p>").forms.empty());
    EXPECT_EQ(parseHtmlPage(std::string("<form><input name=\"a\0b\"></form>", 30)).forms.size(), 1u);
}

#include "form_submission.h"
#include "form_values.h"
#include "html_form.h"

#include <gtest/gtest.h>

using namespace zw::online;

namespace {

SubmitOutcome submitFirst(const std::string& html, const char* submitter = "Ok", const char* header = "")
{
    const HtmlPage page = parseHtmlPage(html, header);
    if (page.forms.empty()) {
        return {std::nullopt, "no form"};
    }
    return submitForm(page.forms[0], submitter, page.charset, "BOUNDARY");
}

const char* kControls = R"(
<input type=hidden name=source value="zw 2.0">
<input name="input_name" value="Jörg & Co">
<input type=checkbox name=cb1><input type=checkbox name=cb2 checked>
<input type=radio name=r value=a><input type=radio name=r value=b checked>
<input name="" value="nameless"><input type=reset name=reset value=r><input type=submit name=other value=o>
<textarea name=input_message>a
b</textarea>
<input type=file name=upload>
<input type=submit name=Ok value=Absenden>)";

} // namespace

TEST(FormSubmission, UrlEncodedEntryListInTreeOrder)
{
    const auto out = submitFirst(std::string("<meta charset=utf-8><form method=post action=post.php>") + kControls + "</form>");
    ASSERT_TRUE(out.request) << out.error;
    EXPECT_EQ(out.request->method, "POST");
    EXPECT_EQ(out.request->action, "post.php");
    EXPECT_EQ(out.request->contentType, "application/x-www-form-urlencoded");
    EXPECT_EQ(out.request->body,
              "source=zw+2.0&input_name=J%C3%B6rg+%26+Co&cb2=on&r=b&input_message=a%0D%0Ab&upload=&Ok=Absenden");
}

TEST(FormSubmission, MultipartWithFileAndEscapedNames)
{
    const auto out = submitFirst(
        "<form method=post enctype=MULTIPART/form-data><input name='q\"x' value='1\n2'>"
        "<input type=file name=f><button name=Ok value=go>Go</button></form>");
    ASSERT_TRUE(out.request) << out.error;
    EXPECT_EQ(out.request->contentType, "multipart/form-data; boundary=BOUNDARY");
    EXPECT_EQ(out.request->body,
              "--BOUNDARY\r\nContent-Disposition: form-data; name=\"q%22x\"\r\n\r\n12\r\n"
              "--BOUNDARY\r\nContent-Disposition: form-data; name=\"f\"; filename=\"\"\r\n"
              "Content-Type: application/octet-stream\r\n\r\n\r\n"
              "--BOUNDARY\r\nContent-Disposition: form-data; name=\"Ok\"\r\n\r\ngo\r\n"
              "--BOUNDARY--\r\n");
}

TEST(FormSubmission, MethodEnctypeAndSubmitterOverrides)
{
    struct Case { std::string html; const char* method; const char* action; const char* contentType; const char* body; };
    const Case cases[] = {
        {"<form><input name=a value='x y'><input type=submit name=Ok></form>", "GET", "", "", "a=x+y&Ok="},
        {"<form method=bogus enctype=bogus action=' /q '><input name=a><input type=submit name=Ok></form>",
         "GET", " /q ", "", "a=&Ok="},
        {"<form method=post enctype=text/plain><textarea name=t>1\r2</textarea><input type=submit name=Ok value=s></form>",
         "POST", "", "text/plain", "t=1\r\n2\r\nOk=s\r\n"},
        {"<form method=get action=a><input name=a value=1>"
         "<input type=submit name=Ok formmethod=post formaction=b formenctype=text/plain></form>",
         "POST", "b", "text/plain", "a=1\r\nOk=\r\n"},
        {"<form method=post><input name=a value=1><input type=image name=Ok></form>", "POST", "",
         "application/x-www-form-urlencoded", "a=1&Ok.x=0&Ok.y=0"},
        {"<form method=post><input type=hidden name=_charset_><input type=submit id=Ok></form>", "POST", "",
         "application/x-www-form-urlencoded", "_charset_=UTF-8"},
    };
    for (const auto& c : cases) {
        const auto out = submitFirst(c.html);
        ASSERT_TRUE(out.request) << c.html << ": " << out.error;
        EXPECT_EQ(out.request->method, c.method) << c.html;
        EXPECT_EQ(out.request->action, c.action) << c.html;
        EXPECT_EQ(out.request->contentType, c.contentType) << c.html;
        EXPECT_EQ(out.request->body, c.body) << c.html;
    }
}

TEST(FormSubmission, Windows1252PageSendsItsOwnBytes)
{
    HtmlPage page = parseHtmlPage("<meta charset=iso-8859-1><form method=post><textarea name=m></textarea>"
                                  "<input type=submit name=Ok value=\"S\xfc\"></form>");
    ASSERT_TRUE(setControlValue(page.forms[0], "m", "Grüße € ✓"));
    const auto out = submitForm(page.forms[0], "Ok", page.charset, "B");
    ASSERT_TRUE(out.request);
    EXPECT_EQ(out.request->body, "m=Gr%FC%DFe+%80+%26%2310003%3B&Ok=S%FC");

    // accept-charset wins over the page's charset.
    const auto utf = submitFirst("<meta charset=latin1><form method=post accept-charset='x-unknown utf-8'>"
                                 "<input name=a value=\"\xfc\"><input type=submit name=Ok></form>");
    ASSERT_TRUE(utf.request);
    EXPECT_EQ(utf.request->body, "a=%C3%BC&Ok=");
}

TEST(FormSubmission, RefusesWhatABrowserCouldNotSubmit)
{
    const char* pages[] = {
        "<form><input name=a></form>",                                       // no Ok
        "<form><input type=button name=Ok></form>",                          // Ok does not submit
        "<form><button type=reset name=Ok></button></form>",
        "<form><input type=submit name=Ok disabled></form>",
        "<form method=dialog><input type=submit name=Ok></form>",
        "<form><input name=a></form><form><input type=submit name=Ok></form>",   // Ok in the second form only
    };
    for (const char* html : pages) {
        const auto out = submitFirst(html);
        EXPECT_FALSE(out.request) << html;
        EXPECT_FALSE(out.error.empty()) << html;
    }
}

TEST(FormSubmission, BoundaryLooksLikeChromiums)
{
    const std::string a = makeBoundary();
    EXPECT_EQ(a.size(), 38u);
    EXPECT_EQ(a.rfind("----WebKitFormBoundary", 0), 0u);
    EXPECT_NE(a, makeBoundary());
}

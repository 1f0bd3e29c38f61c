// The feedback form's path through the core: parsing the page with gumbo, filling the four
// fields and encoding the submission. Run: build/default/bench/form_bench
#include "form_submission.h"
#include "form_values.h"
#include "html_form.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The reference page as PHP prints it, and a large page with the form at its end.
const std::string kPage = R"(<!DOCTYPE html>
<html lang="de"><head><meta charset="utf-8"><title>Feedback</title></head><body>
<h1>Feedback zum Zunderwerk</h1>
<form method="post" action="postit.php">
<input type="hidden" name="source" value="zunderwerk-2.0">
<p><label>Name: <input type="text" name="input_name" maxlength="100"></label></p>
<p><label>E-Mail: <input type="text" name="input_mail" maxlength="100"></label></p>
<p><label>Homepage: <input type="text" name="input_home" maxlength="200"></label></p>
<p><label>Nachricht:<br><textarea name="input_message" rows="10" cols="60"></textarea></label></p>
<p><input type="submit" name="Ok" value="Absenden"></p>
</form></body></html>)";

std::string largePage()
{
    std::string filler;
    for (int i = 0; i < 2000; ++i) {
        filler += "<p>Absatz " + std::to_string(i) + " mit <b>etwas</b> Text &amp; einem <a href='#'>Link</a>.</p>\n";
    }
    std::string page = kPage;
    page.insert(page.find("<h1>"), filler);
    return page;
}

void submit(const std::string& html, benchmark::State& state)
{
    const std::string message(static_cast<size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        zw::online::HtmlPage page = zw::online::parseHtmlPage(html);
        auto& form = page.forms.front();
        zw::online::setControlValue(form, "input_name", "Jörg");
        zw::online::setControlValue(form, "input_home", "");
        zw::online::setControlValue(form, "input_mail", "");
        zw::online::setControlValue(form, "input_message", message);
        auto out = zw::online::submitForm(form, "Ok", page.charset, "B");
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(html.size()));
}

void BM_FeedbackPage(benchmark::State& state) { submit(kPage, state); }
void BM_LargePage(benchmark::State& state) { submit(largePage(), state); }

} // namespace

BENCHMARK(BM_FeedbackPage)->Arg(3)->Arg(10000);
BENCHMARK(BM_LargePage)->Arg(3);
BENCHMARK_MAIN();

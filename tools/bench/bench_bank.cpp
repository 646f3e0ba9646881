// The question bank's cost: the first GetTestData (which fills the bank) and
// a further one, beside a plain deep copy of a string of the bank's size.

#include "bank/mdltestdata.h"
#include "benchutil.h"

#include <memory>

int main()
{
    const int repeats = 2001;

    int totalChars = 0;
    {
        QuestionBank bank;
        for (int n = catalogue::FirstTest; n <= catalogue::LastTest; ++n)
            totalChars += static_cast<int>(bank.GetTestData(static_cast<std::int16_t>(n)).size());
    }
    const QString sample(totalChars, u'ж');

    const bench::Stats copy = bench::measure(repeats, [&] {
        QString deep(sample.constData(), sample.size());
        bench::keep(deep);
    });

    std::unique_ptr<QuestionBank> bank;
    const bench::Stats fill = bench::measure(
        repeats,
        [&] {
            QString record = bank->GetTestData(101);
            bench::keep(record);
        },
        [&] { bank = std::make_unique<QuestionBank>(); });

    const bench::Stats further = bench::measure(repeats, [&] {
        QString record = bank->GetTestData(142);
        bench::keep(record);
    });

    std::printf("bank: %d characters in 42 records\n", totalChars);
    bench::report("deep copy of a string of the bank's size", copy, copy);
    bench::report("first GetTestData (fills the bank)", fill, copy);
    bench::report("further GetTestData", further, copy);
    return 0;
}

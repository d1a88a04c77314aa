#include "app/HelpText.h"

#include "analysis/Copyright.h"

#include <cstddef>
#include <string>
#include <type_traits>

namespace {

// The rule lines are runs of EN DASH (U+2013), the only non-ASCII in the text
// apart from the copyright sign that CopyrightLine brings.
std::string Rule(std::size_t dashes) {
    std::string rule;
    for (std::size_t i = 0; i < dashes; ++i) rule += "\xE2\x80\x93";
    return rule;
}

std::string Build() {
    // One entry per line. TABs lay out the example only; everything else uses spaces.
    const std::string lines[] = {
        /*  1 */ "Quendrel",
        /*  2 */ "",
        /*  3 */ "Standardized partial regression coefficients (beta weights) have traditionally "
                 "been used to rank the relative importance of the predictor variables in a linear "
                 "regression. Ordering the independent variables by their beta weights alone, "
                 "however, has been called meaningless (Wu, Zumbo & Marshall, 2014). Several "
                 "solutions have been put forward, dominance analysis among them (Budescu, 1993). "
                 "Of these, Pratt's measure, published in 1987, has been described as superior to "
                 "the others because it is simple to compute and easy to understand (Thomas, "
                 "Hughes & Zumbo, 1998; Wu, Zumbo & Marshall, 2014).",
        /*  4 */ "",
        /*  5 */ "Pratt's measure is computed from the beta weights, the R-squared of the model "
                 "(written R2) and the Pearson product-moment correlations (r). For each predictor, "
                 "d = (beta x r)/R2. As Wu, Zumbo and Marshall (2014) and Pratt (1987) explain, d is "
                 "the share of the explained variance of the dependent variable (R2) that a "
                 "predictor contributes relative to the other predictors. Taken together, the d "
                 "values divide the standardized variance accounted for by the model into "
                 "non-overlapping parts, one for each predictor, and the predictors can be ordered "
                 "in importance by these parts. The measure can also be read as the geometric mean "
                 "of the variances of a predictor's direct and total effects (when the two effects "
                 "have the same sign), and as an average reduction in variance obtained by holding "
                 "the variable fixed.",
        /*  6 */ "",
        /*  7 */ "Thomas, Hughes and Zumbo (1998) identified the following patterns of outcome. "
                 "First, a predictor whose Pratt value is greater than the average Pratt value is "
                 "important. Second, large negative Pratt values often go with multicollinearity, "
                 "which makes the results of a regression hard to interpret; leaving out one or "
                 "more of the highly correlated predictors, or using ridge regression, can help. "
                 "Pratt (1987) notes that a negative value reflects the oversimplification of "
                 "reducing a multidimensional question to a single number. Third, a predictor with "
                 "a small Pratt value but a beta weight comparable in size to those of the most "
                 "important predictors may be a suppressor variable: one that is related to other "
                 "predictors but has no direct relationship with the criterion. Pratt's measure can "
                 "then be applied to the other predictors once the suppressor variables have been "
                 "removed from the model.",
        /*  8 */ "",
        /*  9 */ "Input",
        /* 10 */ "Data are read from a tab-delimited text file (.txt) with three columns: (1) the "
                 "name of the predictor, a string of 8 or fewer characters; (2) its standardized "
                 "partial regression coefficient (beta weight), a number from -.99 to +.99; and "
                 "(3) its simple correlation with the criterion, a number from -.99 to +.99. The "
                 "columns are separated by TABs, and each line ends with a return.",
        /* 11 */ "",
        /* 12 */ "An example with 4 predictors, taken from Wu, Zumbo and Marshall (2014):",
        /* 13 */ "Number of predictor variables = 4",
        /* 14 */ "R-square of model = .35",
        /* 15 */ "X1\t.18\t.25",
        /* 16 */ "X2\t.22\t.22",
        /* 17 */ "X3\t.14\t.18",
        /* 18 */ "X4\t.48\t.47",
        /* 19 */ "",
        /* 20 */ "Results:",
        /* 21 */ Rule(42),
        /* 22 */ "Model\t\tbeta\t\tr\t\tPratt",
        /* 23 */ Rule(42),
        /* 24 */ "X1\t\t\t.18\t\t.25\t\t.129",
        /* 25 */ "X2\t\t\t.22\t\t.22\t\t.138",
        /* 26 */ "X3\t\t\t.14\t\t.18\t\t.072",
        /* 27 */ "X4\t\t\t.48\t\t.47\t\t.645",
        /* 28 */ Rule(42),
        /* 29 */ " R-sq = 0.35     Average importance = .250",
        /* 30 */ "",
        /* 31 */ "In this example X4 explains 65% of the R-square and is the most important "
                 "independent variable, while X3 explains 7% of the R-square and is the least "
                 "important (Wu, Zumbo & Marshall, 2014, p. 100).",
        /* 32 */ "",
        /* 33 */ "",
        /* 34 */ "Budescu, D. V. (1993). Dominance analysis: A new approach to the problem of "
                 "relative importance of predictors in multiple regression. Psychological "
                 "Bulletin, 114(3), 542-551.",
        /* 35 */ "",
        /* 36 */ "Pratt, J. W. (1987). Dividing the indivisible: Using simple symmetry to partition "
                 "variance explained. In T. Pukkila & S. Puntanen (Eds.), Proceedings of the Second "
                 "International Tampere Conference in Statistics (pp. 245-260). University of "
                 "Tampere.",
        /* 37 */ "",
        /* 38 */ "Thomas, D. R., Hughes, E., & Zumbo, B. D. (1998). On variable importance in "
                 "linear regression. Social Indicators Research, 45, 253-275.",
        /* 39 */ "",
        /* 40 */ "Wu, A. D., Zumbo, B. D., & Marshall, S. K. (2014). A method to aid in the "
                 "interpretation of EFA results: An application of Pratt's measures. International "
                 "Journal of Behavioral Development, 38(1), 98-110.",
        /* 41 */ "",
        /* 42 */ Rule(80),
        /* 43 */ std::string(CopyrightLine) + " This program may be copied and passed on freely for research "
                 "and teaching, provided that it is distributed unchanged and free of charge.",
        /* 44 */ "",
        /* 45 */ "To cite this program: Quendrel 2.0 [Computer software]. (2026).",
        /* 46 */ "",
        /* 47 */ "Quendrel is provided as is, without warranty of any kind, express or implied, and "
                 "its authors accept no liability for any loss or damage arising from its use.",
    };
    static_assert(std::extent_v<decltype(lines)> == 47, "the help text has 47 lines");

    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines[0]) text += '\r';  // between lines, none after the last
        text += line;
    }
    return text;
}

}  // namespace

const std::string& HelpText() {
    static const std::string text = Build();
    return text;
}

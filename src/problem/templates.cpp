#include "problem/templates.h"

#include "problem/problem_file.h"

namespace ss {

const std::vector<ProblemTemplate> &problem_templates() {
  static const std::vector<ProblemTemplate> all{
      {"RB", false, "rolled beam design: the lightest section that carries HS20 over 50 ft",
       "*B04RB-DROLLED BEAM DESIGN  HS20  50 FT\n"
       "1RB0HS20    5000012501250 900   750 100    2900                36\n"
       "3\n"},
      {"RB", true, "rolled beam analysis: a 30 WF 116 under HS20 over 50 ft",
       "*B04RB-AROLLED BEAM ANALYSIS  30 WF 116  HS20  50 FT\n"
       "1RB1HS20    5000012501250 900   750 100    2900                36\n"
       "330WF116\n"},
      {"RP", false, "cover-plated rolled beam design with two concentrated loads, H20 over 45 ft",
       "*B04RP-DCOVER-PLATED ROLLED BEAM DESIGN  H20  45 FT\n"
       "1RP0H 20    4500011001100 900 2 700        2900                36\n"
       "21 15000  4000 30000  4000\n"
       "327WF  0\n"
       "4\n"},
      {"RP", true, "cover-plated rolled beam analysis: a 24 WF 84 with given plates, HS20 over 48 ft",
       "*B04RP-ACOVER-PLATED ROLLED BEAM ANALYSIS  24 WF 84  HS20  48 FT\n"
       "1RP1HS20   48.   1.2 1.2 1.    .8  .15 .1  29.                 36\n"
       "324WF 84\n"
       "4                         9.  .75  8.  30.   10. .625 8.  28.\n"},
      {"CB", false, "composite rolled beam design, HS20 over 66 ft",
       "*B04CB-DCOMPOSITE ROLLED BEAM DESIGN  HS20  66 FT\n"
       "1CB0HS20    6600012001200 900   900 250 1002900                36\n"
       "333WF  0\n"
       "4 78000 7000150030002400 9\n"},
      {"CB", true, "composite rolled beam analysis: a 27 WF 94 with its slab and plates, HS20 over 60 ft",
       "*B04CB-ACOMPOSITE ROLLED BEAM ANALYSIS  27 WF 94  HS20  60 FT\n"
       "1CB1HS20   60.   1.2 1.2 .9    .85 .2      29.         1.4 490 36\n"
       "327WF 94\n"
       "472.   7.5  1.  27.524.    12. 1.   10. 36.   20. .5   6.  20.\n"},
      {"PG", false, "plate girder design, HS20 over 110 ft",
       "*B04PG-DPLATE GIRDER DESIGN  HS20  110 FT\n"
       "1PG0HS20   110000130013001000  1100 200    2900                36\n"
       "3                                      0\n"
       "4\n"},
      {"PG", true, "plate girder analysis: a 48 in web with given flanges and plates, H20 over 90 ft",
       "*B04PG-APLATE GIRDER ANALYSIS  H20  90 FT\n"
       "1PG1H 20   90.   1.3 1.3 1.    1.1 0.2     29.                 36\n"
       "3                                  48.  .437512. 1.   12. 1.\n"
       "4                         15. 1.5  14. 60.   15. 1.5  14. 60.\n"},
      {"CG", false, "composite plate girder design with a 54 in web, HS20 over 130 ft",
       "*B04CG-DCOMPOSITE PLATE GIRDER DESIGN  HS20  130 FT\n"
       "1CG0HS20   130000130013001000  1200 300    2900                36\n"
       "3                                   5400\n"
       "4 90000 8000200036003000 8\n"},
      {"CG", true,
       "composite plate girder analysis: a 54 in web with given flanges, plates and slab, HS20 "
       "over 120 ft",
       "*B04CG-ACOMPOSITE PLATE GIRDER ANALYSIS  HS20  120 FT\n"
       "1CG1HS20   120.  1.3 1.3 1.    1.2 0.3 .2  29.                 36\n"
       "3                                  54.  .437514. 1.   14. 1.25\n"
       "484.   7.5  1.5 30. 25.   20. 2.   16. 80.   10. 1.5  14. 100.\n"},
      {"TB", false, "concrete T-beam design, HS20 over 34 ft",
       "*B04TB-DCONCRETE T-BEAM DESIGN  HS20  34 FT\n"
       "1TB0HS20    34000120012001000   500         300\n"
       "31020 215000100024000200072000 7500          6101 250 6101 550\n"},
      {"TB", true, "concrete T-beam analysis: a given section with two rows of bars, H20 over 40 ft",
       "*B04TB-ACONCRETE T-BEAM ANALYSIS  H20  40 FT\n"
       "1TB1H 20    40000110011001000 1 600 200 100 300            150\n"
       "21 15000 10000\n"
       "31010 216000    30000    66000 7000 2 60 250 6101 275 4101 550\n"},
      {"RM", true, "resisting moments of a given concrete T-section (no span loading)",
       "*B04RM-ARESISTING MOMENTS OF A GIVEN T-SECTION\n"
       "1RM1HS20        0   0   0   0\n"
       "31010 216000    28000    60000 7000          4 9  300 4 9  600\n"},
  };
  return all;
}

std::string template_problem_file(const ProblemTemplate &t) {
  return "# Template: " + std::string(t.about) +
         ".\n# Edit the values, then run it:  simple-span girder.toml girder.rpt\n" +
         problem_file_from_deck(std::string(t.deck), "template").text;
}

} // namespace ss

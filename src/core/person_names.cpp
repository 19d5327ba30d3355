#include "core/person_names.h"

namespace splat {

// Dealt to the league's players (1..50) and drawn by the scouts (50..99).
const std::array<const char*, 100>& rosterNames() {
    static const std::array<const char*, 100> names = {
        "Adam Dalton",    "Brian Keller",   "Carl Radley",     "Derek Zeller",    "Ethan Gibbs",
        "Frank Nash",     "Gavin Vaughn",   "Henry Carver",    "Ian Jennings",    "Jack Quarles",
        "Kevin Yates",    "Luke Fletcher",  "Mason Maddox",    "Nolan Underhill", "Oscar Barlow",
        "Peter Ingram",   "Quinn Prescott", "Ryan Whitley",    "Sam Easton",      "Tyler Lindell",
        "Victor Tate",    "Wade Archer",    "Xavier Holloway", "Zack Ogden",      "Aaron Vance",
        "Blake Draper",   "Cody Kimball",   "Dylan Sheldon",   "Eric Bishop",     "Felix Garrett",
        "Grant Norris",   "Hugo Upton",     "Isaac Colby",     "Jason Jarvis",    "Kyle Rowland",
        "Logan Abbott",   "Marcus Fenwick", "Neil Mercer",     "Owen Thorne",     "Paul Brennan",
        "Reid Irwin",     "Scott Pruitt",   "Trent Yardley",   "Umar Ellison",    "Vince Lawson",
        "Wes Sutton",     "Yuri Ashby",     "Alex Hadley",     "Ben Orton",       "Chris Walsh",
        "Adam Ogden",     "Brian Vance",    "Carl Draper",     "Derek Kimball",   "Ethan Sheldon",
        "Frank Bishop",   "Gavin Garrett",  "Henry Norris",    "Ian Upton",       "Jack Colby",
        "Kevin Jarvis",   "Luke Rowland",   "Mason Abbott",    "Nolan Fenwick",   "Oscar Mercer",
        "Peter Thorne",   "Quinn Brennan",  "Ryan Irwin",      "Sam Pruitt",      "Tyler Yardley",
        "Victor Ellison", "Wade Lawson",    "Xavier Sutton",   "Zack Ashby",      "Aaron Hadley",
        "Blake Orton",    "Cody Walsh",     "Dylan Dalton",    "Eric Keller",     "Felix Radley",
        "Grant Zeller",   "Hugo Gibbs",     "Isaac Nash",      "Jason Vaughn",    "Kyle Carver",
        "Logan Jennings", "Marcus Quarles", "Neil Yates",      "Owen Fletcher",   "Paul Maddox",
        "Reid Underhill", "Scott Barlow",   "Trent Ingram",    "Umar Prescott",   "Vince Whitley",
        "Wes Easton",     "Yuri Lindell",   "Alex Tate",       "Ben Archer",      "Chris Holloway",
    };
    return names;
}

// Chemists the search can turn up.
const std::array<const char*, 20>& chemistNames() {
    static const std::array<const char*, 20> names = {
        "Nina Crane",  "Olga Hale",  "Rita Moss",   "Sofia Stone", "Tara Wade",  "Uma Cole",   "Vera Gray",
        "Wendy Doyle", "Alice Kemp", "Beth Pike",   "Clara Tull",  "Diana Ames", "Emma Dunn",  "Fiona Bauer",
        "Greta Frost", "Hanna Lowe", "Irene Reyes", "Julia Vogt",  "Karen Boyd", "Laura Ford",
    };
    return names;
}

}  // namespace splat

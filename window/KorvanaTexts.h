#pragma once

#include <string>
#include <string_view>

// The help text: ten lines, each ending with CR LF.
inline constexpr std::string_view helpText =
    "Фигура на Лисажу се нарича кривата, която описва точка, участваща едновременно в две "
    "или повече периодични движения по взаимно перпендикулярни направления.\r\n"
    "Фигурата е затворена крива само когато отношението a/b на честотите е рационално "
    "число.\r\n"
    "Задание: проект, който показва връзките между учебните предмети физика и "
    "информатика.\r\n"
    "Тема на проекта: Korvana.\r\n"
    "Входни данни: отношение a/b между двете честоти.\r\n"
    "Изход - изчертава се фигура на Лисажу.\r\n"
    "Приложение: измерване на неизвестна честота с осцилоскоп. На единия вход на осцилоскопа "
    "се подава сигналът от генератор с известна честота, а на другия - изследваният сигнал. "
    "Честотата на генератора се променя, докато фигурата застане неподвижно. Тогава "
    "честотата на сигнала по вертикалата се отнася към честотата на сигнала по хоризонталата "
    "така, както броят на точките, в които фигурата се допира до горната страна на "
    "правоъгълника, в който е вписана, се отнася към броя на точките, в които тя се допира до "
    "една от вертикалните му страни; свободен край на отворена фигура се брои за половин "
    "точка. Най-общо фигурите на Лисажу са кривите, които са решения на параметричната "
    "система:\r\n"
    "X = A*sin(a*t+pi/2);\r\n"
    "Y = B*sin(b*t), където A и B са амплитудите на двата сигнала, а коефициентите a и b "
    "задават отношението на техните честоти (a/b).\r\n"
    "Когато едновременно a = b и A = B, фигурата на Лисажу е окръжност.\r\n";

// An aphorism: three lines, each ending with a blank and CR LF. Its box stays hidden,
// since shown it would cover most of the help text.
inline constexpr std::string_view aphorism =
    "Неприятното, когато пръв направиш нещо както трябва, \r\n"
    "е, че никой не оценява колко трудно всъщност е \r\n"
    "било. \r\n";

// What a screen reader says the plot area shows: the frequencies and, for whole
// frequencies, the touches a student counts, e.g. "Фигура на Лисажу за a = 2 и
// b = 3; допирания: горе 1 и половина, отстрани 1"; a half touch is said in words.
inline constexpr std::string_view emptyPlotDescription = "Няма начертана фигура";
std::string figureDescription(double a, double b);

// The plot area's context-menu entry for the close-up view.
inline constexpr std::string_view closeUpAction = "Разгледай отблизо";

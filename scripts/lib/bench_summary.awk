# Reads Google Benchmark CSV output (medians of repetitions) and prints Markdown tables of the
# figures and the ratios against their goals. Used by scripts/bench. Figures are CPU time, the
# work of the measured code itself: on a shared machine the wall time (printed by the benchmark
# runs above) also holds the time that other processes took the core away, which is no cost of
# the code.

function ns(value, unit) {
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    if (unit == "s") return value * 1e9
    return value
}
function show(t) {
    if (t >= 1e6) return sprintf("%.2f ms", t / 1e6)
    if (t >= 1e3) return sprintf("%.2f µs", t / 1e3)
    return sprintf("%.0f ns", t)
}

# Data rows: "name_median",iterations,real_time,cpu_time,time_unit,...
$1 ~ /_median"$/ {
    name = $1
    gsub(/"/, "", name)
    sub(/_median$/, "", name)
    t = ns($4, $5)
    if (name ~ /^pass\//) {
        # pass/<screen>/<en|fr>
        split(name, part, "/")
        pass[part[2], part[3]] = t
        if (!(part[2] in listed)) {
            listed[part[2]] = 1
            screens[++screenCount] = part[2]
        }
        if (slowest == "" || t > slowestTime) {
            slowest = name
            slowestTime = t
        }
    } else {
        other[name] = t
        others[++otherCount] = name
    }
}

END {
    if (screenCount == 0) {
        print "No results."
        exit 1
    }
    print "| Whole pass (meas_update, lcd_clear, screen) on | English | French |"
    print "|---|---:|---:|"
    for (i = 1; i <= screenCount; ++i) {
        s = screens[i]
        printf "| `%s` | %s | %s |\n", s, show(pass[s, "en"]), show(pass[s, "fr"])
    }
    print ""
    print "| Benchmark | CPU time |"
    print "|---|---:|"
    for (i = 1; i <= otherCount; ++i) printf "| %s | %s |\n", others[i], show(other[others[i]])
    print ""

    pacing = 20e6  # ns between paced passes
    print "| Ratio | Measured | Goal |"
    print "|---|---:|---|"
    if ("present_frame" in other && "plain_copy_257x129" in other) {
        ratio = other["present_frame"] / other["plain_copy_257x129"]
        printf "| present_frame / plain copy | %.2fx | within 3x: %s |\n", ratio,
               (ratio <= 3 ? "met" : "MISSED")
        share = 100 * (slowestTime + other["present_frame"]) / pacing
        printf "| (slowest pass + present_frame) / 20 ms | %s / 20 ms = %.3f %% | under 0.25 %%: %s |\n",
               show(slowestTime + other["present_frame"]), share, (share < 0.25 ? "met" : "MISSED")
    } else {
        share = 100 * slowestTime / pacing
        printf "| slowest pass / 20 ms (no window built: present_frame not measured) | %.3f %% | under 0.25 %% with present_frame |\n",
               share
    }
    printf "\nSlowest pass: %s.\n", slowest
}

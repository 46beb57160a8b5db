# Reads Google Benchmark CSV output (medians of repetitions) and prints a Markdown table of the
# figures and the ratios against their goals. Used by scripts/bench. The ratios use CPU time, the
# work of the measured code itself: on a shared machine the wall time also holds the time that
# other processes took the core away, which is no cost of the pass.

function ns(value, unit) {
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    if (unit == "s") return value * 1e9
    return value
}
function show(t) {
    if (t >= 1e6) return sprintf("%.2f ms", t / 1e6)
    if (t >= 1e3) return sprintf("%.2f us", t / 1e3)
    return sprintf("%.0f ns", t)
}

# Data rows: "name_median",iterations,real_time,cpu_time,time_unit,...
$1 ~ /_median"$/ {
    name = $1
    gsub(/"/, "", name)
    sub(/_median$/, "", name)
    real[name] = ns($3, $5)
    cpu[name] = ns($4, $5)
    order[++count] = name
}

END {
    if (count == 0) {
        print "No results."
        exit 1
    }
    print "| Benchmark | Wall time | CPU time |"
    print "|---|---:|---:|"
    slowest = ""
    for (i = 1; i <= count; ++i) {
        n = order[i]
        printf "| %s | %s | %s |\n", n, show(real[n]), show(cpu[n])
        if (n ~ /^pass\// && (slowest == "" || cpu[n] > cpu[slowest])) slowest = n
    }
    print ""
    pacing = 20e6  # ns between paced passes
    printf "Slowest pass (CPU time): %s, %s\n", slowest, show(cpu[slowest])
    if ("present_frame" in cpu && "plain_copy_257x129" in cpu) {
        ratio = cpu["present_frame"] / cpu["plain_copy_257x129"]
        printf "present_frame / plain copy: %.2fx (goal: within 3x) %s\n", ratio,
               (ratio <= 3 ? "MET" : "MISSED")
        share = 100 * (cpu[slowest] + cpu["present_frame"]) / pacing
        printf "Slowest pass + present_frame: %s = %.4f %% of the 20 ms between passes (goal: < 0.25 %%) %s\n",
               show(cpu[slowest] + cpu["present_frame"]), share, (share < 0.25 ? "MET" : "MISSED")
    } else {
        share = 100 * cpu[slowest] / pacing
        printf "Slowest pass alone (no window built, present_frame not measured): %.4f %% of 20 ms\n", share
    }
}

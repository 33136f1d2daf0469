#!/usr/bin/env bash
# Fails when a layer includes a layer above it, or code outside engine/
# includes SDL. Layers, lowest first: engine, framework, game; inside the
# game: services, board, level, adventure, app.
root=${1:-.}
cd "$root" || exit 2
status=0
check() { # folder, forbidden include pattern, reason
    local hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "$2" "$1" 2>/dev/null)
    if [[ -n "$hits" ]]; then
        echo "$3:"; echo "$hits"; status=1
    fi
}
check engine '#include[[:space:]]+"(framework|game)/' "engine includes a higher layer"
check framework '#include[[:space:]]+"game/' "framework includes the game layer"
game_layers=(services board level adventure app)
for ((i = 0; i < ${#game_layers[@]}; i++)); do
    above=("${game_layers[@]:i+1}")
    [[ ${#above[@]} -eq 0 ]] && continue
    pattern=$(IFS='|'; echo "${above[*]}")
    check "game/${game_layers[i]}" "#include[[:space:]]+\"game/($pattern)/" \
        "game/${game_layers[i]} includes a game layer above it"
done
# Every game folder is one of the layers, so none escapes the order.
for dir in game/*/; do
    name=$(basename "$dir")
    [[ " ${game_layers[*]} " == *" $name "* ]] || { echo "game/$name is not a known game layer"; status=1; }
done
for dir in framework game tools; do
    check "$dir" '#include[[:space:]]+[<"]SDL' "SDL outside the engine ($dir)"
done
exit $status

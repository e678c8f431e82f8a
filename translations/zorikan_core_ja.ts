<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Arena</name>
    <message>
        <location filename="../src/core/text/battle_texts.h" line="+72"/>
        <source>%1 L.%2</source>
        <extracomment>%1: the player&apos;s creature, %2: its level</extracomment>
        <translation>%1 Lv.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 L.%2</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its level</extracomment>
        <translation>%1 Lv.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1/%2</source>
        <extracomment>%1: the hit points left, %2: the most hit points</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s attacks:</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1の攻撃:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1&apos;s Attacks:</source>
        <extracomment>%1: the opponent&apos;s creature; empty before the first battle</extracomment>
        <translation>相手の攻撃: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <extracomment>%1: the attack, %2: its type</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;s Attacks:</source>
        <translation>の攻撃:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>攻撃%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opp. Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>相手の攻撃%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run!</source>
        <translation>逃げる！</translation>
    </message>
</context>
<context>
    <name>Battle</name>
    <message>
        <location line="-79"/>
        <source>Wild %1 appeared!</source>
        <extracomment>%1: the wild creature</extracomment>
        <translation>野生の%1が現れた！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wants to fight!</source>
        <extracomment>%1: the trainer</extracomment>
        <translation>%1との対戦だ！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 sent out %2!</source>
        <extracomment>%1: the trainer, %2: the trainer&apos;s creature</extracomment>
        <translation>%1は%2を送り出した！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a ZORIKAN from the Statistics Window. You&apos;ll be asked to confirm your choice.</source>
        <translation>ステータス画面でZORIKANを選んでください。選んだ後に確認があります。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose %1?</source>
        <extracomment>%1: the creature double-clicked in the roster</extracomment>
        <translation>%1を選びますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, I choose you!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1、任せた！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 used %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its attack</extracomment>
        <translation>%1の%2！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 used %2!</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its attack</extracomment>
        <translation>相手の%1の%2！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Critical hit!</source>
        <translation>クリティカルヒット！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s super effective!</source>
        <translation>非常に効果的だ！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s not very effective...</source>
        <translation>あまり効いていない…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It doesn&apos;t affect %1!</source>
        <extracomment>%1: the creature the attack cannot hurt</extracomment>
        <translation>%1には効かない！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did %2 points of damage to enemy %3.</source>
        <extracomment>%1: the player&apos;s creature, %2: the damage, %3: the opponent&apos;s creature</extracomment>
        <translation>%1は相手の%3に%2のダメージを与えた。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enemy %1 did %2 points of damage to %3.</source>
        <extracomment>%1: the opponent&apos;s creature, %2: the damage, %3: the player&apos;s creature</extracomment>
        <translation>相手の%1は%3に%2のダメージを与えた。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 fainted!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>相手の%1は戦闘不能になった！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 fainted!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1は戦闘不能になった！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 gained %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points</extracomment>
        <translation>%1は経験値を%2獲得した！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 grew to level %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its new level</extracomment>
        <translation>%1はレベル%2に上がった！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You got %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>%1¥を手に入れた！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lost %1¥!</source>
        <extracomment>%1: the money lost</extracomment>
        <translation>%1¥を失った！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No! There&apos;s no running from a trainer battle!</source>
        <translation>だめだ！ トレーナー戦からは逃げられない！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Got away safely!</source>
        <translation>逃走に成功した！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit the tournament! %1 lost %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points it loses</extracomment>
        <translation>トーナメントを棄権した！ %1は経験値を%2失った！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost a level!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1のレベルが下がった！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a ZORIBall.</source>
        <translation>ZORIBallを投げた。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Great Ball.</source>
        <translation>Great Ballを投げた。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw an Ultra Ball.</source>
        <translation>Ultra Ballを投げた。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Master Ball.</source>
        <translation>Master Ballを投げた。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You caught %1!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>%1を捕獲した！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry, %1 wasn&apos;t caught.</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>残念、%1は捕獲できなかった。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It won&apos;t have any effect.</source>
        <translation>使っても効果がない。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 recovered %2 HP!</source>
        <extracomment>%1: the player&apos;s creature, %2: the hit points it got back</extracomment>
        <translation>%1のHPが%2回復した！</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+9"/>
        <source>Declaring type relations</source>
        <translation>タイプ間の関係を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN names</source>
        <translation>ZORIKANの名前を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring badge names</source>
        <translation>紋章の名前を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN Types</source>
        <translation>ZORIKANのタイプを読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolution levels</source>
        <translation>進化レベルを読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolutions</source>
        <translation>進化を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack names</source>
        <translation>攻撃の名前を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack powers</source>
        <translation>攻撃の威力を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack types</source>
        <translation>攻撃のタイプを読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring type names</source>
        <translation>タイプの名前を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN attacks</source>
        <translation>ZORIKANの攻撃を読み込み中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing tournament prizes</source>
        <translation>トーナメントの賞品を準備中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing tournament trainers</source>
        <translation>トーナメントのトレーナーを準備中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value out of range at line %1</source>
        <extracomment>%1: the line of the data file</extracomment>
        <translation>%1行目の値が範囲外です</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid numeric input</source>
        <translation>数値が正しくありません</translation>
    </message>
</context>
<context>
    <name>Evolution</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+44"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it?</source>
        <extracomment>%1: the creature, %2: what it evolves into</extracomment>
        <translation>%1は%2に進化できます。進化させますか？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into %3 AND %4 every 3 of 4 times.</source>
        <extracomment>%1: the creature, %2: what it evolves into, %3: its first form, %4: the creature that may join it</extracomment>
        <translation>%1は%2に進化できます。進化させますか？ 注意: 4回に3回は、%1が%3に進化し、さらに%4も現れます。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 evolved into %2!</source>
        <extracomment>%1: the creature, %2: what it became</extracomment>
        <translation>%1は%2に進化した！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select what you would like to evolve your %1 to.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1を何に進化させるか選んでください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t evolve</source>
        <translation>進化させない</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 didn&apos;t appear.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>%1は現れなかった。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your roster is full: %1 could not join it.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>手持ちがいっぱいです。%1は仲間に加われませんでした。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 also evolved into %2!</source>
        <extracomment>%1: the creature, %2: the second creature</extracomment>
        <translation>%1も%2に進化した！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 can&apos;t evolve.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1は進化できません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your %1 needs to grow %2 more level(s) before it can evolve.</source>
        <extracomment>%1: the creature, %2: the levels it still needs</extracomment>
        <translation>%1が進化するには、あと%2レベル必要です。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolution cancelled.</source>
        <translation>進化を取り消しました。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+33"/>
        <source>ZORIKAN Information for %1</source>
        <extracomment>%1: the player</extracomment>
        <translation>%1のZORIKAN情報</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generated by ZORIKAN Simulator %1 %2</source>
        <extracomment>%1: the date, %2: the time</extracomment>
        <translation>ZORIKAN Simulatorで作成 %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>目次</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number/Name</source>
        <translation>番号/名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experience Points</source>
        <translation>経験値</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>...to next level</source>
        <translation>…次のレベルまで</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ZORIDEX (%1/%2)</source>
        <extracomment>%1: the species registered, %2: all species</extracomment>
        <translation>ZORIDEX登録数 (%1/%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source># %1 %2</source>
        <extracomment>%1: the species number, three digits, %2: the species</extracomment>
        <translation>No.%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN Information exported to %1. View file now?</source>
        <extracomment>%1: the file</extracomment>
        <translation>ZORIKAN情報を%1に書き出しました。今すぐ開きますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened. It is saved as %1.</source>
        <extracomment>%1: the file</extracomment>
        <translation>ページを開けませんでした。%1として保存されています。</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location line="-49"/>
        <source>Disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File access denied</source>
        <translation>ファイルへのアクセスが拒否されました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder not found</source>
        <translation>フォルダーが見つかりません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <extracomment>%1: the system&apos;s error number</extracomment>
        <translation>入出力エラー %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <extracomment>%1: one of the file errors above</extracomment>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>GameCorner</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+35"/>
        <source>Money (Pays out %1:1¥)</source>
        <extracomment>%1: how many yen a yen of the stake wins</extracomment>
        <translation>お金 (配当 %1:1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIBalls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>ZORIBall (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Great Ball (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ultra Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Ultra Ball (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Master Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Master Ball (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>回復薬 (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Super Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>上級回復薬 (配当 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select something to play for.</source>
        <translation>狙う賞品を選んでください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select a number to bet on.</source>
        <translation>賭ける数字を選んでください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You won! And your prize is...</source>
        <translation>おめでとう！ 当たりです！ 賞品は…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>%1¥！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1!</source>
        <extracomment>%1: the items won, as one of the item counts below</extracomment>
        <translation>%1！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 and %2¥!</source>
        <extracomment>%1: the items won, as one of the item counts below, %2: the money won besides</extracomment>
        <translation>%1と%2¥！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ZORIBall</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>ZORIBall %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ZORIBalls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>ZORIBall %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Great Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Great Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Ultra Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Ultra Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Master Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Master Ball %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>回復薬 %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>回復薬 %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>上級回復薬 %1個</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>上級回復薬 %1個</translation>
    </message>
</context>
<context>
    <name>Mart</name>
    <message>
        <location line="-65"/>
        <source>Welcome to ZORIKAN Mart! Click an item for a description.</source>
        <translation>ZORIKANショップ：商品をクリックで説明を表示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZORIBalls</source>
        <translation>ZORIBall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls</source>
        <translation>Great Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls</source>
        <translation>Ultra Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>回復薬</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>上級回復薬</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A standard ZORIBALL.</source>
        <translation>標準的なZORIBall。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used for catching ZORIKAN.</source>
        <translation>ZORIKANの捕獲に使います。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This Ball has good chances</source>
        <translation>ZORIKANを捕獲できる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of capturing a ZORIKAN.</source>
        <translation>確率が高いボールです。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has a very high chance of</source>
        <translation>ZORIKANを非常に高い</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>capturing a ZORIKAN.</source>
        <translation>確率で捕獲できます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores %1HP in battle.</source>
        <extracomment>%1: the HP it restores</extracomment>
        <translation>戦闘中にHPを%1回復します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥</source>
        <extracomment>%1: the price</extracomment>
        <translation>%1¥</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/core/model/menu_layout.cpp" line="+18"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export ZORIKAN information...</source>
        <translation>ZORIKAN情報を書き出す…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Actions</source>
        <translation>アクション(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a Trainer</source>
        <translation>トレーナーと戦う</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainers</source>
        <translation>トレーナー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginner</source>
        <translation>初心者</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrin</source>
        <translation>Tavrin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ambrel</source>
        <translation>Ambrel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dovik</source>
        <translation>Dovik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pelissa</source>
        <translation>Pelissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morrow</source>
        <translation>Morrow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quenby</source>
        <translation>Quenby</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilvane</source>
        <translation>Ilvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Novice</source>
        <translation>駆け出し</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorcha</source>
        <translation>Sorcha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kesmer</source>
        <translation>Kesmer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lorin</source>
        <translation>Lorin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>中級者</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Halvard</source>
        <translation>Prof.Halvard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Wendeck</source>
        <translation>Prof.Wendeck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Dunmore</source>
        <translation>Prof.Dunmore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation>上級者</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vesna</source>
        <translation>Vesna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rusk</source>
        <translation>Rusk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>達人</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Severin</source>
        <translation>Severin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aldmark Gym Leaders</source>
        <translation>Aldmarkの道場主</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dorn</source>
        <translation>Dorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nerissa</source>
        <translation>Nerissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lt. Harker</source>
        <translation>Lt. Harker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Odile</source>
        <translation>Odile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imara</source>
        <translation>Imara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenwick</source>
        <translation>Fenwick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roderic</source>
        <translation>Roderic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highland Grand Four</source>
        <translation>高地のグランド・フォー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennar Gym Leaders</source>
        <translation>Brennarの道場主</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aubric</source>
        <translation>Aubric</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nils</source>
        <translation>Nils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posy</source>
        <translation>Posy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elwin</source>
        <translation>Elwin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grigor</source>
        <translation>Grigor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lunet</source>
        <translation>Lunet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Haskel</source>
        <translation>Haskel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vesper</source>
        <translation>Vesper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kell</source>
        <translation>Kell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Me</source>
        <translation>わたし</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrelle Gym Leaders (L.100)</source>
        <translation>Cyrelleの道場主 (Lv.100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brigid</source>
        <translation>Brigid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dunstan</source>
        <translation>Dunstan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caddock</source>
        <translation>Caddock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ravenna</source>
        <translation>Ravenna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osric</source>
        <translation>Osric</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merle</source>
        <translation>Merle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orin &amp;&amp; Isla</source>
        <translation>Orin &amp;&amp; Isla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marius</source>
        <translation>Marius</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Elites</source>
        <translation>その他のエリート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowland Grand Four</source>
        <translation>低地のグランド・フォー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coastal Grand Four</source>
        <translation>海岸のグランド・フォー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a wild ZORIKAN</source>
        <translation>野生のZORIKANと戦う</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search for a ZORIKAN</source>
        <translation>ZORIKANを探す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Omnivar</source>
        <translation>Omnivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tournaments</source>
        <translation>トーナメント</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Easy (Levels 2-10)</source>
        <translation>超初級 (Lv.2–10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy (Levels 10-30)</source>
        <translation>初級 (Lv.10–30)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate (Levels 30-50)</source>
        <translation>中級 (Lv.30–50)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard (Levels 50-70)</source>
        <translation>上級 (Lv.50–70)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Hard (Levels 70-99)</source>
        <translation>超上級 (Lv.70–99)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summit Cup (Level 100)</source>
        <translation>Summit Cup (Lv.100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy Items</source>
        <translation>アイテムを買う</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolve a ZORIKAN</source>
        <translation>ZORIKANを進化させる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release a ZORIKAN</source>
        <translation>ZORIKANを手放す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View ZORIDEX</source>
        <translation>ZORIDEXを見る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type Comparisons</source>
        <translation>タイプ比較</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Corner</source>
        <translation>ゲームホール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics Window</source>
        <translation>ステータス画面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Music</source>
        <translation>ミュージック(&amp;M)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open file...</source>
        <translation>ファイルを開く…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat Music</source>
        <translation>ミュージックをリピート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop Music</source>
        <translation>ミュージックを止める</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>バージョン情報…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Debug</source>
        <translation>デバッグ(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make Visible</source>
        <translation>表示する</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Always show attacks in ZORIDEX</source>
        <translation>ZORIDEXで常に攻撃を表示</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+53"/>
        <source>%1: %2.</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, without a full stop</extracomment>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, ending in a full stop</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This file cannot be played</source>
        <translation>このファイルは再生できません</translation>
    </message>
    <message>
        <source>All supported formats (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>対応しているすべての形式 (%1)</translation>
    </message>
    <message>
        <source>MPEG Audio/Video Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>MPEGオーディオ/ビデオファイル (%1)</translation>
    </message>
    <message>
        <source>Windows Media (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Windows Media (%1)</translation>
    </message>
    <message>
        <source>Wave Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Waveファイル (%1)</translation>
    </message>
    <message>
        <source>MIDI Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>MIDIファイル (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>すべてのファイル (%1)</translation>
    </message>
</context>
<context>
    <name>Rewards</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+10"/>
        <source>You earned the %1!</source>
        <extracomment>%1: the badge</extracomment>
        <translation>%1を手に入れた！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you get a 2500¥ bonus!</source>
        <translation>Aldmark最後の道場主、Rodericに勝った！ グランド・フォーに挑戦できるようになった！ さらにボーナス2500¥をもらった！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ bonus!</source>
        <translation>Brennar最後の道場主、Vesperに勝った！ Kellに挑戦できるようになった！ さらにボーナス3000¥をもらった！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal Elites! Also, you get a 5000¥ bonus!</source>
        <translation>Cyrelle最後の道場主、Mariusに勝った！ 低地と海岸のエリートに挑戦できるようになった！ さらにボーナス5000¥をもらった！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! Also, you get a Master Ball!</source>
        <translation>グランド・フォーのチャンピオン、Caspianに勝った！ Brennarの道場主に挑戦できるようになった！ さらにMaster Ballをもらった！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This Ball will catch any ZORIKAN at any HP. Use it wisely.</source>
        <translation>このボールはどんなZORIKANでも、HPに関係なく必ず捕獲できます。大切に使ってね。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat Kell! You can now battle me! Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Kellに勝った！ これでわたしに挑戦できるよ！ さらにLv.5の%1をもらった！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym Leaders! And as if that wasn&apos;t enough, you also get a %1 at L.10!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>わたしに勝ったね！ これでOmnivarと戦ったり捕獲したりできるよ！ Cyrelleの道場主にも挑戦できる！ それだけじゃない、Lv.10の%1もあげよう！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature given</extracomment>
        <translation>手持ちがいっぱいです。すでに%1体のZORIKANがいるので、%2の入る場所がありません。</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="-148"/>
        <source>Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature that found no room</extracomment>
        <translation>手持ちがいっぱいです。すでに%1体のZORIKANがいます。%2のために1体手放してください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already have if you want to catch another.</source>
        <translation>注意: Omnivarは一度に1体しか持てません。別のOmnivarを捕獲したいなら、今いるOmnivarを手放してください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has been added to the ZORIDEX!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1がZORIDEXに登録された！</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># %1 %2, L.%3, XP:%4, XP to next level:%5</source>
        <extracomment>%1: the species number, three digits, %2: the creature, %3: its level, %4: its experience points, %5: the points it still needs for the next level</extracomment>
        <translation>No.%1 %2、Lv.%3、経験値:%4、次のレベルまで:%5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can&apos;t release your last ZORIKAN!</source>
        <translation>最後のZORIKANは手放せません！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once released, %1 will not come back. Release %1?</source>
        <extracomment>%1: the creature</extracomment>
        <translation>手放した%1は二度と戻りません。%1を手放しますか？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was released. Bye, %1!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1を手放した。元気でね、%1！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have doubleclicked on a ZORIKAN, Evolution Mode will be disabled.</source>
        <translation>進化させるZORIKANをステータス画面でダブルクリックしてください。ダブルクリックすると進化モードは終了します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Evolution Mode cancelled.</source>
        <translation>進化モードを取り消しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to release it. Once you have doubleclicked on a ZORIKAN, Release Mode will be disabled.</source>
        <translation>手放すZORIKANをステータス画面でダブルクリックしてください。ダブルクリックすると手放しモードは終了します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Mode deactivated. Statistics window will now function normally.</source>
        <translation>手放しモードを終了しました。ステータス画面は通常どおりに戻ります。</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+3"/>
        <source>%1 - %2 [%3]</source>
        <extracomment>%1: the game&apos;s title, %2: the player, %3: the saved game&apos;s file name</extracomment>
        <translation>%1 - %2 [%3]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid species at line %1</source>
        <extracomment>%1: the line of the saved game</extracomment>
        <translation>%1行目の種類が正しくありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds no ZORIKAN. It is not a saved game, or it was cut off.</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>%1にはZORIKANがいません。セーブデータではないか、途中で切れています。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The saved game ended early, at line %1.
What was missing starts empty.</source>
        <extracomment>%1: the saved game&apos;s last line</extracomment>
        <translation>セーブデータが%1行目で途切れています。
足りない部分は空の状態で始まります。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot be saved to %1.
%2
Please choose another file.</source>
        <extracomment>%1: the file, %2: why it cannot be written, a sentence</extracomment>
        <translation>%1にゲームを保存できません。
%2
別のファイルを選んでください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game was not saved to %1.
Save it to another file?</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>%1にゲームを保存しませんでした。
別のファイルに保存しますか？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit without saving?
All progress since the game was started or loaded will be lost.</source>
        <translation>保存せずに終了しますか？
ゲームを開始またはロードしてからの進行はすべて失われます。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your progress cannot be saved to %1.
%2
What you have played since then is not on disk yet. The game tries again after each of your actions.</source>
        <extracomment>%1: the saved game&apos;s file, %2: why it cannot be written, a sentence. Shown once, when the save after an action fails; the game keeps trying after each action.</extracomment>
        <translation>%1 に進行状況を保存できません。
%2
それ以降のプレイはまだディスクに保存されていません。操作のたびに保存を再試行します。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your progress is saved to %1 again.</source>
        <extracomment>%1: the saved game&apos;s file. Shown once when saving works again after a failure.</extracomment>
        <translation>%1 への保存が再びできるようになりました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This saved game is already open in another ZORIKAN Simulator window.</source>
        <translation>このセーブデータは別の ZORIKAN Simulator ウィンドウで開かれています。</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+5"/>
        <source>Congratulations! You beat %1! Your next opponent is %2.</source>
        <extracomment>%1: the trainer just beaten, %2: the next opponent</extracomment>
        <translation>おめでとう！ %1に勝った！ 次の相手は%2だ。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have proven your worth against the Highland Grand Four. Now, it is time for you to fight the Highland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>高地のグランド・フォーに実力を示した。いよいよ高地のグランド・フォーのチャンピオン、%2との対戦だ！</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Lowland Grand Four. Now, it is time for you to fight the Lowland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>低地のグランド・フォーに実力を示した。いよいよ低地のグランド・フォーのチャンピオン、%2との対戦だ！</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Coastal Grand Four. Now, it is time for you to fight the Coastal Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>海岸のグランド・フォーに実力を示した。いよいよ海岸のグランド・フォーのチャンピオン、%2との対戦だ！</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>低地のグランド・フォーのチャンピオン、%1に勝った！ ボーナス%2¥をもらった！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>海岸のグランド・フォーのチャンピオン、%1に勝った！ ボーナス%2¥をもらった！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>さらにLv.5の%1をもらった！</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <location line="+3"/>
        <source>None of your ZORIKAN meet the level requirements.</source>
        <translation>レベル条件を満たすZORIKANがいません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have enough money!</source>
        <translation>お金が足りません！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.</source>
        <extracomment>%1: the trainer just beaten, %2: the next match&apos;s number, %3: the next trainer, %4: the level of the next trainer&apos;s creature, %5: that creature</extracomment>
        <translation>おめでとう！ %1に勝った！ 次は%2人目のトレーナー、%3。Lv.%4の%5を連れている。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...</source>
        <extracomment>%1: the last trainer</extracomment>
        <translation>おめでとう！ %1に勝った！ トーナメント優勝だ！ それでは賞品の発表です…</translation>
    </message>
    <message>
        <source>You won %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>%1¥を獲得した！</translation>
    </message>
    <message>
        <source>You won a random ZORIKAN!</source>
        <translation>ランダムなZORIKANを獲得した！</translation>
    </message>
    <message numerus="yes">
        <source>You won %n ZORIBalls!</source>
        <translation>
            <numerusform>ZORIBallを%n個獲得した！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Great Balls!</source>
        <translation>
            <numerusform>Great Ballを%n個獲得した！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Ultra Balls!</source>
        <translation>
            <numerusform>Ultra Ballを%n個獲得した！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Master Balls!</source>
        <translation>
            <numerusform>Master Ballを%n個獲得した！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>回復薬を%n個獲得した！</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Super Potions!</source>
        <translation>
            <numerusform>上級回復薬を%n個獲得した！</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You won a L.%1 %2!</source>
        <extracomment>%1: the creature&apos;s level, %2: the creature</extracomment>
        <translation>Lv.%1の%2を獲得した！</translation>
    </message>
</context>
<context>
    <name>Type</name>
    <message>
        <source>Moss</source>
        <translation>苔</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>残り火</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>石</translation>
    </message>
    <message>
        <source>Tide</source>
        <translation>潮</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>疾風</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>霜</translation>
    </message>
    <message>
        <source>Bog</source>
        <translation>沼</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>ガラス</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>黄昏</translation>
    </message>
    <message>
        <source>Lumen</source>
        <translation>光</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>塩</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>こだま</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>鉱石</translation>
    </message>
    <message>
        <source>Silk</source>
        <translation>絹</translation>
    </message>
    <message>
        <source>Herd</source>
        <translation>群れ</translation>
    </message>
    <message>
        <source>Spore</source>
        <translation>胞子</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>夢</translation>
    </message>
</context>
<context>
    <name>WildSearch</name>
    <message>
        <location line="+3"/>
        <source>Using Omnivar&apos;s psychic powers, you can fight any ZORIKAN you want to, and at any level. Please select which ZORIKAN to fight against, or click Random to face a random ZORIKAN.</source>
        <translation>Omnivarの念力を使えば、どんなZORIKANとでも好きなレベルで戦えます。戦うZORIKANを選ぶか、「ランダム」をクリックしてランダムなZORIKANと戦ってください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose which ZORIKAN to fight from the list first, or click Random to face a random ZORIKAN.</source>
        <translation>まずリストから戦うZORIKANを選ぶか、「ランダム」をクリックしてランダムなZORIKANと戦ってください。</translation>
    </message>
</context>
<context>
    <name>Zoridex</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+33"/>
        <source>%1 (#%2)</source>
        <extracomment>%1: the species, %2: its number, three digits</extracomment>
        <translation>%1 (No.%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>%1, %2</source>
        <extracomment>%1: the species, %2: its type
----------
%1: the attack, %2: its type</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1, %2/%3</source>
        <extracomment>%1: the species, %2: its first type, %3: its second type</extracomment>
        <translation>%1、%2/%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>/%1</source>
        <extracomment>%1: the second type, after the first</extracomment>
        <translation>/%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>???</source>
        <translation>？？？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can evolve at level %1.</source>
        <extracomment>%1: the level</extracomment>
        <translation>レベル%1で進化します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not evolve.</source>
        <translation>進化しません。</translation>
    </message>
</context>
</TS>

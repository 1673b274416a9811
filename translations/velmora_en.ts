<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name></name>
    <message id="ホームページ">
        <source></source>
        <translation>Home page</translation>
    </message>
    <message id="バージョン情報">
        <source></source>
        <translation>About</translation>
    </message>
    <message id="左クリック">
        <source></source>
        <translation>Left click</translation>
    </message>
    <message id="駒（盤上の駒か持駒）を選び、行き先を左クリックで指す">
        <source></source>
        <translation>Choose a piece (on the board or in hand), then left-click where it goes</translation>
    </message>
    <message id="右クリック">
        <source></source>
        <translation>Right click</translation>
    </message>
    <message id="行き先を右クリックすると成って指す（ﾁｪｽのﾎﾟｰﾝは成る駒を選ぶ）">
        <source></source>
        <translation>Right-click where it goes to move it promoted (a chess pawn chooses what it becomes)</translation>
    </message>
    <message id="一手戻る">
        <source></source>
        <translation>One move back</translation>
    </message>
    <message id="一手進む">
        <source></source>
        <translation>One move forward</translation>
    </message>
    <message id="対局の前に、上の軍の駒を減らす（ﾊﾝﾃﾞｨｷｬｯﾌﾟ）">
        <source></source>
        <translation>Before a match, take pieces from the army at the top (handicap)</translation>
    </message>
    <message id="対局の前に、下の軍の駒を減らす（ﾊﾝﾃﾞｨｷｬｯﾌﾟ）">
        <source></source>
        <translation>Before a match, take pieces from the army at the bottom (handicap)</translation>
    </message>
    <message id="版とホームページ">
        <source></source>
        <translation>Version and home page</translation>
    </message>
    <message id="終わり（対局中でも、すぐに終わる）">
        <source></source>
        <translation>Quit (at once, even during a match)</translation>
    </message>
    <message id="操作説明">
        <source></source>
        <translation>How to play</translation>
    </message>
    <message id="マウス">
        <source></source>
        <translation>Mouse</translation>
    </message>
    <message id="キー">
        <source></source>
        <translation>Keys</translation>
    </message>
    <message id="メニュー">
        <source></source>
        <translation>Menus</translation>
    </message>
    <message id="閉じる">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="開始局面（棋譜一覧の最初）">
        <source></source>
        <translation>Start position (first row of the move list)</translation>
    </message>
    <message id="最後の手（棋譜一覧の最後）">
        <source></source>
        <translation>Last move (last row of the move list)</translation>
    </message>
    <message id="はい(&amp;Y)">
        <source></source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="いいえ(&amp;N)">
        <source></source>
        <translation>&amp;No</translation>
    </message>
    <message id="棋譜一覧">
        <source></source>
        <translation>Move list</translation>
    </message>
    <message id="成り">
        <source></source>
        <translation>Promotion</translation>
    </message>
    <message id="ﾌｧｲﾙ名 ：">
        <source></source>
        <translation>File name:</translation>
    </message>
    <message id="後    手 ：">
        <source></source>
        <translation>Second:</translation>
    </message>
    <message id="先    手 ：">
        <source></source>
        <translation>First:</translation>
    </message>
    <message id="対 局 名：">
        <source></source>
        <translation>Title:</translation>
    </message>
    <message id="ﾃﾞﾊﾞｲｽが準備できていません">
        <source></source>
        <translation>The device is not ready</translation>
    </message>
    <message id="ｴﾗｰ">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="表示">
        <source></source>
        <translation>View</translation>
    </message>
    <message id="待った">
        <source></source>
        <translation>Take back</translation>
    </message>
    <message id="待った取消">
        <source></source>
        <translation>Undo take-back</translation>
    </message>
    <message id="ヒント">
        <source></source>
        <translation>Hint</translation>
    </message>
    <message id="前回の対局を再開">
        <source></source>
        <translation>Resume last match</translation>
    </message>
    <message id="局面を画像でコピー">
        <source></source>
        <translation>Copy position as picture</translation>
    </message>
    <message id="局面を画像で保存...">
        <source></source>
        <translation>Save position as picture...</translation>
    </message>
    <message id="局面を画像で保存">
        <source></source>
        <translation>Save position as picture</translation>
    </message>
    <message id="局面.png">
        <source></source>
        <translation>position.png</translation>
    </message>
    <message id="書き込めません">
        <source></source>
        <translation>Cannot write</translation>
    </message>
    <message id="棋譜をテキストで保存...">
        <source></source>
        <translation>Save record as text...</translation>
    </message>
    <message id="棋譜をテキストで保存">
        <source></source>
        <translation>Save record as text</translation>
    </message>
    <message id="棋譜.txt">
        <source></source>
        <translation>record.txt</translation>
    </message>
    <message id="テキスト (*.txt)">
        <source></source>
        <translation>Text (*.txt)</translation>
    </message>
    <message id="効果音量">
        <source></source>
        <translation>Effects volume</translation>
    </message>
    <message id="効果音ミュート">
        <source></source>
        <translation>Mute effects</translation>
    </message>
    <message id="１">
        <source></source>
        <translation>1</translation>
    </message>
    <message id="２">
        <source></source>
        <translation>2</translation>
    </message>
    <message id="３">
        <source></source>
        <translation>3</translation>
    </message>
    <message id="４">
        <source></source>
        <translation>4</translation>
    </message>
    <message id="５">
        <source></source>
        <translation>5</translation>
    </message>
    <message id="６">
        <source></source>
        <translation>6</translation>
    </message>
    <message id="７">
        <source></source>
        <translation>7</translation>
    </message>
    <message id="８">
        <source></source>
        <translation>8</translation>
    </message>
    <message id="９">
        <source></source>
        <translation>9</translation>
    </message>
    <message id="一">
        <source></source>
        <translation>a</translation>
    </message>
    <message id="二">
        <source></source>
        <translation>b</translation>
    </message>
    <message id="三">
        <source></source>
        <translation>c</translation>
    </message>
    <message id="四">
        <source></source>
        <translation>d</translation>
    </message>
    <message id="五">
        <source></source>
        <translation>e</translation>
    </message>
    <message id="六">
        <source></source>
        <translation>f</translation>
    </message>
    <message id="七">
        <source></source>
        <translation>g</translation>
    </message>
    <message id="八">
        <source></source>
        <translation>h</translation>
    </message>
    <message id="九">
        <source></source>
        <translation>i</translation>
    </message>
    <message id="歩">
        <source></source>
        <translation>Pawn (fu)</translation>
    </message>
    <message id="と">
        <source></source>
        <translation>Tokin</translation>
    </message>
    <message id="卒">
        <source></source>
        <translation>Soldier (jol)</translation>
    </message>
    <message id="ポーン">
        <source></source>
        <translation>Pawn</translation>
    </message>
    <message id="香">
        <source></source>
        <translation>Lance (kyo)</translation>
    </message>
    <message id="香成">
        <source></source>
        <translation>Narikyo</translation>
    </message>
    <message id="車">
        <source></source>
        <translation>Chariot (cha)</translation>
    </message>
    <message id="桂">
        <source></source>
        <translation>Knight (kei)</translation>
    </message>
    <message id="桂成">
        <source></source>
        <translation>Narikei</translation>
    </message>
    <message id="銀">
        <source></source>
        <translation>Silver (gin)</translation>
    </message>
    <message id="銀成">
        <source></source>
        <translation>Narigin</translation>
    </message>
    <message id="金">
        <source></source>
        <translation>Gold (kin)</translation>
    </message>
    <message id="ルーク">
        <source></source>
        <translation>Rook</translation>
    </message>
    <message id="ナイト">
        <source></source>
        <translation>Knight</translation>
    </message>
    <message id="ﾋﾞｼｮｯﾌﾟ">
        <source></source>
        <translation>Bishop</translation>
    </message>
    <message id="馬">
        <source></source>
        <translation>Horse (ma)</translation>
    </message>
    <message id="象">
        <source></source>
        <translation>Elephant (sang)</translation>
    </message>
    <message id="士">
        <source></source>
        <translation>Guard (sa)</translation>
    </message>
    <message id="砲">
        <source></source>
        <translation>Cannon (po)</translation>
    </message>
    <message id="角">
        <source></source>
        <translation>Bishop (kaku)</translation>
    </message>
    <message id="角成">
        <source></source>
        <translation>Horse (uma)</translation>
    </message>
    <message id="飛">
        <source></source>
        <translation>Rook (hi)</translation>
    </message>
    <message id="飛成">
        <source></source>
        <translation>Dragon (ryu)</translation>
    </message>
    <message id="ｸｲｰﾝ">
        <source></source>
        <translation>Queen</translation>
    </message>
    <message id="キング">
        <source></source>
        <translation>King</translation>
    </message>
    <message id="将">
        <source></source>
        <translation>General (jang)</translation>
    </message>
    <message id="王">
        <source></source>
        <translation>King (ou)</translation>
    </message>
    <message id="――">
        <source></source>
        <translation>--</translation>
    </message>
    <message id="開始局面">
        <source></source>
        <translation>Start position</translation>
    </message>
    <message id="表示の設定を保存できません">
        <source></source>
        <translation>Cannot save the view settings</translation>
    </message>
    <message id="Velmora 棋譜">
        <source></source>
        <translation>Velmora record</translation>
    </message>
    <message id="あなた">
        <source></source>
        <translation>You</translation>
    </message>
    <message id="ｺﾝﾋﾟｭｰﾀ">
        <source></source>
        <translation>Computer</translation>
    </message>
    <message id="よし！!">
        <source></source>
        <translation>Got you!!</translation>
    </message>
    <message id="詰め ?">
        <source></source>
        <translation>Mate?</translation>
    </message>
    <message id="   ** チェック **">
        <source></source>
        <translation>   ** Check **</translation>
    </message>
    <message id="   ** 王手 **">
        <source></source>
        <translation>   ** Check **</translation>
    </message>
    <message id="思考中">
        <source></source>
        <translation>Thinking</translation>
    </message>
    <message id="先手の番です">
        <source></source>
        <translation>First player (main army) to move</translation>
    </message>
    <message id="後手の番です">
        <source></source>
        <translation>Second player (chess army) to move</translation>
    </message>
    <message id="MANの番です">
        <source></source>
        <translation>Your move</translation>
    </message>
    <message id="先手">
        <source></source>
        <translation>First player</translation>
    </message>
    <message id="後手">
        <source></source>
        <translation>Second player</translation>
    </message>
    <message id="棋譜を '進 'で進めて下さい">
        <source></source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message id="棋譜">
        <source></source>
        <translation>Record</translation>
    </message>
    <message id="対局">
        <source></source>
        <translation>Match</translation>
    </message>
    <message id="OKですか？">
        <source></source>
        <translation>Ready?</translation>
    </message>
    <message id="再開(COM)">
        <source></source>
        <translation>Resume (computer)</translation>
    </message>
    <message id="「対局」で始めて下さい">
        <source></source>
        <translation>Start with &apos;Match&apos;</translation>
    </message>
    <message id="開始">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="キングには成れません">
        <source></source>
        <translation>A pawn cannot become a King</translation>
    </message>
    <message id="エラー">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="別の駒に成って下さい">
        <source></source>
        <translation>Choose another piece</translation>
    </message>
    <message id="マウスの右をクリックして下さい">
        <source></source>
        <translation>Click with the right mouse button</translation>
    </message>
    <message id="棋譜保存">
        <source></source>
        <translation>Save record</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙを開けません">
        <source></source>
        <translation>Cannot open the record file</translation>
    </message>
    <message id="次の文字は棋譜ﾌｧｲﾙに書き込めません">
        <source></source>
        <translation>A record file cannot hold these characters:</translation>
    </message>
    <message id="&quot;?&quot; に置き換えて書き込みますか？">
        <source></source>
        <translation>Write &quot;?&quot; in their place?</translation>
    </message>
    <message id="持駒が10枚以上の局面は9枚として書き込みました">
        <source></source>
        <translation>A hand of 10 or more pieces was written as 9</translation>
    </message>
    <message id="99999秒を超える所有時間は99999秒として書き込みました">
        <source></source>
        <translation>A clock over 99999 seconds was written as 99999 seconds</translation>
    </message>
    <message id="ﾌｧｲﾙ名が入力されていません">
        <source></source>
        <translation>No file name given</translation>
    </message>
    <message id="保存するデータがありません">
        <source></source>
        <translation>Nothing to save</translation>
    </message>
    <message id="ﾌｧｲﾙ名に &quot;/&quot; は使えません">
        <source></source>
        <translation>A file name cannot hold &quot;/&quot;</translation>
    </message>
    <message id="手数が多すぎて保存できません">
        <source></source>
        <translation>Too many moves to save</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙを書き込めません">
        <source></source>
        <translation>Cannot write the record file</translation>
    </message>
    <message id="棋譜を書き込みました">
        <source></source>
        <translation>Record saved</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません">
        <source></source>
        <translation>The record file holds no moves</translation>
    </message>
    <message id=" 読み込みました">
        <source></source>
        <translation> Loaded</translation>
    </message>
    <message id="読めない所は空きとして読み込みました">
        <source></source>
        <translation>What could not be read was loaded as empty</translation>
    </message>
    <message id="終わり">
        <source></source>
        <translation>Quit</translation>
    </message>
    <message id="進む">
        <source></source>
        <translation>Forward</translation>
    </message>
    <message id="できません">
        <source></source>
        <translation>Not possible</translation>
    </message>
    <message id="戻る">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="棋譜ﾓｰﾄﾞではできません">
        <source></source>
        <translation>Not possible in record mode</translation>
    </message>
    <message id="反転">
        <source></source>
        <translation>Flip</translation>
    </message>
    <message id="対局を保存できません">
        <source></source>
        <translation>Cannot save the match</translation>
    </message>
    <message id="前回の対局を読み込めません">
        <source></source>
        <translation>Cannot read the last match</translation>
    </message>
    <message id="終了">
        <source></source>
        <translation>Game over</translation>
    </message>
    <message id="続けますか？">
        <source></source>
        <translation>Play again?</translation>
    </message>
    <message id="再ゲーム">
        <source></source>
        <translation>New game</translation>
    </message>
    <message id="対局(人間)">
        <source></source>
        <translation>Two players</translation>
    </message>
    <message id="対局(COM)">
        <source></source>
        <translation>Play the computer</translation>
    </message>
    <message id="COM対局ﾚﾍﾞﾙ">
        <source></source>
        <translation>Computer level</translation>
    </message>
    <message id="局面">
        <source></source>
        <translation>Position</translation>
    </message>
    <message id="最初">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="戻">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="進">
        <source></source>
        <translation>Forward</translation>
    </message>
    <message id="読込">
        <source></source>
        <translation>Load</translation>
    </message>
    <message id="書込">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="ｵﾌﾟｼｮﾝ">
        <source></source>
        <translation>Options</translation>
    </message>
    <message id="背景画">
        <source></source>
        <translation>Background</translation>
    </message>
    <message id="緑">
        <source></source>
        <translation>Green</translation>
    </message>
    <message id="畳">
        <source></source>
        <translation>Tatami</translation>
    </message>
    <message id="竹">
        <source></source>
        <translation>Bamboo</translation>
    </message>
    <message id="宇宙">
        <source></source>
        <translation>Space</translation>
    </message>
    <message id="煉瓦">
        <source></source>
        <translation>Brick</translation>
    </message>
    <message id="移動指導">
        <source></source>
        <translation>Show legal moves</translation>
    </message>
    <message id="経過時間">
        <source></source>
        <translation>Clocks</translation>
    </message>
    <message id="ﾁｪｽ側持駒OK">
        <source></source>
        <translation>Chess army may drop</translation>
    </message>
    <message id="主戦">
        <source></source>
        <translation>Main army</translation>
    </message>
    <message id="日本">
        <source></source>
        <translation>Japan</translation>
    </message>
    <message id="韓国">
        <source></source>
        <translation>Korea</translation>
    </message>
    <message id="設定ﾌｧｲﾙを書き込めません">
        <source></source>
        <translation>Cannot write the settings file</translation>
    </message>
    <message id="ｵﾌﾟｼｮﾝの変更は今回だけ有効です">
        <source></source>
        <translation>Option changes last for this run only</translation>
    </message>
    <message id="%1の勝ちです">
        <source></source>
        <translation>%1 won</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙを読み込めません（%1行目）">
        <source></source>
        <translation>Cannot read the record file (line %1)</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙの手数が多すぎます（%1行目）">
        <source></source>
        <translation>The record file has too many moves (line %1)</translation>
    </message>
    <message id="棋譜ﾌｧｲﾙが壊れています（%1行目）">
        <source></source>
        <translation>The record file is damaged (line %1)</translation>
    </message>
    <message id="先手：%1">
        <source></source>
        <translation>First: %1</translation>
    </message>
    <message id="後手：%1">
        <source></source>
        <translation>Second: %1</translation>
    </message>
    <message id="結果：%1の勝ち">
        <source></source>
        <translation>Result: %1 won</translation>
    </message>
    <message id="Direct Soundインターフェースが作成できません。">
        <source></source>
        <translation>Cannot open the sound output.</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人">
        <source></source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段">
        <source></source>
        <translation>Handicap: 8 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段">
        <source></source>
        <translation>Handicap: 7 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段">
        <source></source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段">
        <source></source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段">
        <source></source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段">
        <source></source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段">
        <source></source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段">
        <source></source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級">
        <source></source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級">
        <source></source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級">
        <source></source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級">
        <source></source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級">
        <source></source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級">
        <source></source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級">
        <source></source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級">
        <source></source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級">
        <source></source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級">
        <source></source>
        <translation>Handicap: 10 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級">
        <source></source>
        <translation>Handicap: 11 kyu</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級">
        <source></source>
        <translation>Handicap: 12 kyu</translation>
    </message>
    <message id="手目" numerus="yes">
        <source></source>
        <translation>
            <numerusform>move played</numerusform>
            <numerusform>moves played</numerusform>
        </translation>
    </message>
    <message id="対局途中ではできません">
        <source></source>
        <translation>Not possible during a match</translation>
    </message>
    <message id="反転後ではできません">
        <source></source>
        <translation>Not possible after flipping</translation>
    </message>
    <message id="局面→最初にして下さい">
        <source></source>
        <translation>Choose Position → Start first</translation>
    </message>
    <message id="ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定">
        <source></source>
        <translation>Handicap</translation>
    </message>
    <message id="言語">
        <source></source>
        <translation>Language</translation>
    </message>
    <message id="指し手：">
        <source></source>
        <translation>Move:</translation>
    </message>
    <message id="指し手">
        <source></source>
        <translation>Move</translation>
    </message>
    <message id="指し手を入力">
        <source></source>
        <translation>Type a move</translation>
    </message>
    <message id="移動元">
        <source></source>
        <translation>from-square</translation>
    </message>
    <message id="移動先">
        <source></source>
        <translation>to-square</translation>
    </message>
    <message id="駒">
        <source></source>
        <translation>piece</translation>
    </message>
    <message id="成り指定">
        <source></source>
        <translation>promotion mark</translation>
    </message>
    <message id="盤">
        <source></source>
        <translation>Board</translation>
    </message>
    <message id="、">
        <source></source>
        <translation>, </translation>
    </message>
    <message id="最後の手：%1">
        <source></source>
        <translation>Last move: %1</translation>
    </message>
    <message id="%1が正しくありません">
        <source></source>
        <translation>Cannot read the %1</translation>
    </message>
    <message id="キャンセル">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="グラフを画像で保存...">
        <source></source>
        <translation>Save graph as picture...</translation>
    </message>
    <message id="グラフを画像で保存">
        <source></source>
        <translation>Save graph as picture</translation>
    </message>
    <message id="解析する手がありません">
        <source></source>
        <translation>There are no moves to review</translation>
    </message>
    <message id="局面を解析中　残り">
        <source></source>
        <translation>positions reviewed; left:</translation>
    </message>
    <message id="秒">
        <source></source>
        <translation>s</translation>
    </message>
    <message id="正確度">
        <source></source>
        <translation>accuracy</translation>
    </message>
    <message id="最善">
        <source></source>
        <translation>best</translation>
    </message>
    <message id="対局解析">
        <source></source>
        <translation>Game review</translation>
    </message>
    <message id="解析できない手があります（%1手目）">
        <source></source>
        <translation>A move cannot be reviewed (move %1)</translation>
    </message>
    <message id="解析：%1">
        <source></source>
        <translation>Review: %1</translation>
    </message>
    <message id="どの開始局面からも指せない手があります（%1手目）">
        <source></source>
        <translation>No starting position leads to a move (move %1)</translation>
    </message>
    <message id="このﾌｫﾙﾀﾞの対局は、別のｳｨﾝﾄﾞｳが保存しています">
        <source></source>
        <translation>Another window keeps the match in this folder</translation>
    </message>
    <message id="このｳｨﾝﾄﾞｳの対局は保存されません">
        <source></source>
        <translation>This window's match will not be kept</translation>
    </message>
    <message id="ﾃﾞｨｽｸに空きがありません">
        <source></source>
        <translation>No space left on the disk</translation>
    </message>
    <message id="ﾃﾞｨｽｸの使用量が上限に達しています">
        <source></source>
        <translation>The disk quota is used up</translation>
    </message>
    <message id="ｱｸｾｽが許可されていません">
        <source></source>
        <translation>Permission denied</translation>
    </message>
    <message id="操作が許可されていません">
        <source></source>
        <translation>Operation not permitted</translation>
    </message>
    <message id="読み取り専用のﾌｧｲﾙｼｽﾃﾑです">
        <source></source>
        <translation>Read-only file system</translation>
    </message>
    <message id="ﾌｧｲﾙが大きすぎます">
        <source></source>
        <translation>File too large</translation>
    </message>
    <message id="ﾌｧｲﾙまたはﾌｫﾙﾀﾞがありません">
        <source></source>
        <translation>No such file or folder</translation>
    </message>
    <message id="ﾌｫﾙﾀﾞです">
        <source></source>
        <translation>It is a folder</translation>
    </message>
    <message id="ﾌｫﾙﾀﾞではありません">
        <source></source>
        <translation>Not a folder</translation>
    </message>
    <message id="ﾌｧｲﾙ名が長すぎます">
        <source></source>
        <translation>File name too long</translation>
    </message>
    <message id="開いているﾌｧｲﾙが多すぎます">
        <source></source>
        <translation>Too many open files</translation>
    </message>
    <message id="入出力ｴﾗｰです">
        <source></source>
        <translation>Input/output error</translation>
    </message>
    <message id="通常のﾌｧｲﾙではありません">
        <source></source>
        <translation>Not a regular file</translation>
    </message>
    <message id="%1に駒がありません">
        <source></source>
        <translation>There is no piece on %1</translation>
    </message>
    <message id="持駒に%1がありません">
        <source></source>
        <translation>No %1 in hand</translation>
    </message>
    <message id="%1には味方の駒があります">
        <source></source>
        <translation>%1 holds a piece of the same army</translation>
    </message>
    <message id="その駒は%1へ動けません">
        <source></source>
        <translation>That piece cannot move to %1</translation>
    </message>
    <message id="この手では成れません">
        <source></source>
        <translation>That move cannot promote</translation>
    </message>
    <message id="この手は成らなければなりません（+）">
        <source></source>
        <translation>That move must promote: add +</translation>
    </message>
    <message id="ﾁｪｽ側持駒OKが入っていません">
        <source></source>
        <translation>Chess army drops are off (Options)</translation>
    </message>
    <message id="%1、主戦軍">
        <source></source>
        <translation>%1, main army</translation>
    </message>
    <message id="%1、チェス軍">
        <source></source>
        <translation>%1, chess army</translation>
    </message>
    <message id="主戦軍の持駒：%1">
        <source></source>
        <translation>Main army in hand: %1</translation>
    </message>
    <message id="チェス軍の持駒：%1">
        <source></source>
        <translation>Chess army in hand: %1</translation>
    </message>
    <message id="主戦軍の時間：%1">
        <source></source>
        <translation>Main army&apos;s clock: %1</translation>
    </message>
    <message id="チェス軍の時間：%1">
        <source></source>
        <translation>Chess army&apos;s clock: %1</translation>
    </message>
    <message id="なし">
        <source></source>
        <translation>nothing</translation>
    </message>
    <message id="主戦軍の番です">
        <source></source>
        <translation>Main army to move</translation>
    </message>
    <message id="チェス軍の番です">
        <source></source>
        <translation>Chess army to move</translation>
    </message>
    <message id="王手">
        <source></source>
        <translation>Check</translation>
    </message>
    <message id="（盤か棋譜一覧で）">
        <source></source>
        <translation> (on the board or the move list)</translation>
    </message>
    <message id="メニューを開く（矢印で選ぶ）">
        <source></source>
        <translation>Open the menus (the arrows choose)</translation>
    </message>
    <message id="両軍の時間を読み上げる（盤で）">
        <source></source>
        <translation>Tell a screen reader both clocks (on the board)</translation>
    </message>
    <message id="指し手の入力">
        <source></source>
        <translation>Typing a move</translation>
    </message>
    <message id="筋・段・筋・段：8七の駒を8六へ（段は数字、漢数字、英字のどれでも）">
        <source></source>
        <translation>File, rank, file, rank: the piece on 8g to 8f (a rank as a digit, a kanji numeral or a letter)</translation>
    </message>
    <message id="終わりの＋で成る（ﾎﾟｰﾝは成る駒を選ぶ）">
        <source></source>
        <translation>A + at the end promotes (a pawn then chooses its piece)</translation>
    </message>
    <message id="持駒を打つ：駒の英字か名前、＊、打つ桝">
        <source></source>
        <translation>A drop: the piece&apos;s letter or name, *, the square</translation>
    </message>
    <message id="RETURN">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="O K">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="練習問題">
        <source></source>
        <translation>Training</translation>
    </message>
    <message id="指導対局">
        <source></source>
        <translation>Teaching game</translation>
    </message>
    <message id="正解です">
        <source></source>
        <translation>Right!</translation>
    </message>
    <message id="不正解です">
        <source></source>
        <translation>Not the answer</translation>
    </message>
    <message id="練習問題がありません。対局解析をすると、悪手の局面が加わります">
        <source></source>
        <translation>No training positions yet. A game review adds the positions of its mistakes</translation>
    </message>
    <message id="今は復習する局面がありません">
        <source></source>
        <translation>No position is due now</translation>
    </message>
    <message id="練習問題を保存できません">
        <source></source>
        <translation>The training positions cannot be saved</translation>
    </message>
    <message id="練習問題のファイルを読めません">
        <source></source>
        <translation>The file of training positions cannot be read</translation>
    </message>
    <message id="練習問題に %1 局面を加えました">
        <source></source>
        <translation>%1 positions added to the training</translation>
    </message>
    <message id="この手で勝率が %1 下がります。待ったしますか？">
        <source></source>
        <translation>This move gives away %1 of the winning chances. Take it back?</translation>
    </message>
    <message id="解けた">
        <source></source>
        <translation>solved</translation>
    </message>
    <message id="間違えた">
        <source></source>
        <translation>missed</translation>
    </message>
    <message id="復習">
        <source></source>
        <translation>due</translation>
    </message>
    <message id="両軍">
        <source></source>
        <translation>Both armies</translation>
    </message>
    <message id="チェス">
        <source></source>
        <translation>Chess army</translation>
    </message>
    <message id="すべての手">
        <source></source>
        <translation>All answers</translation>
    </message>
    <message id="打つ手だけ">
        <source></source>
        <translation>Drops only</translation>
    </message>
    <message id="打たない手だけ">
        <source></source>
        <translation>No drops</translation>
    </message>
    <message id="解答">
        <source></source>
        <translation>Solution</translation>
    </message>
    <message id="次の問題">
        <source></source>
        <translation>Next position</translation>
    </message>
    <message id="%1の時間切れです">
        <source></source>
        <translation>%1 ran out of time</translation>
    </message>
    <message id="先手の持ち時間：%1">
        <source></source>
        <translation>Time control of the first player: %1</translation>
    </message>
    <message id="後手の持ち時間：%1">
        <source></source>
        <translation>Time control of the second player: %1</translation>
    </message>
    <message id="時間切れ">
        <source></source>
        <translation>Out of time</translation>
    </message>
    <message id="持ち時間は次の対局から使われます">
        <source></source>
        <translation>The time controls apply from the next game</translation>
    </message>
    <message id="持ち時間">
        <source></source>
        <translation>Time controls</translation>
    </message>
    <message id="持ち時間...">
        <source></source>
        <translation>Time controls...</translation>
    </message>
    <message id="制限なし">
        <source></source>
        <translation>None</translation>
    </message>
    <message id="切れ負け">
        <source></source>
        <translation>Sudden death</translation>
    </message>
    <message id="フィッシャー">
        <source></source>
        <translation>Fischer</translation>
    </message>
    <message id="秒読み">
        <source></source>
        <translation>Byoyomi</translation>
    </message>
    <message id="持ち時間（秒）">
        <source></source>
        <translation>Main time (s)</translation>
    </message>
    <message id="加算・秒読み（秒）">
        <source></source>
        <translation>Increment or byoyomi (s)</translation>
    </message>
    <message id="回数">
        <source></source>
        <translation>Periods</translation>
    </message>
    <message id="先手（主戦軍）">
        <source></source>
        <translation>First (main army)</translation>
    </message>
    <message id="後手（チェス軍）">
        <source></source>
        <translation>Second (chess army)</translation>
    </message>
    <message id="LEVEL4 ･ ５級">
        <source></source>
        <translation>LEVEL4 · 5 kyu</translation>
    </message>
    <message id="LEVEL4 ･ ３級">
        <source></source>
        <translation>LEVEL4 · 3 kyu</translation>
    </message>
    <message id="LEVEL4 ･ １級">
        <source></source>
        <translation>LEVEL4 · 1 kyu</translation>
    </message>
    <message id="LEVEL4 ･ 初段">
        <source></source>
        <translation>LEVEL4 · 1 dan</translation>
    </message>
    <message id="待機中">
        <source></source>
        <translation>Waiting</translation>
    </message>
    <message id="接続中">
        <source></source>
        <translation>Connecting</translation>
    </message>
    <message id="対局中">
        <source></source>
        <translation>Playing</translation>
    </message>
    <message id="切断">
        <source></source>
        <translation>Disconnected</translation>
    </message>
    <message id="ネット対局">
        <source></source>
        <translation>Network match</translation>
    </message>
    <message id="対局を開く...">
        <source></source>
        <translation>Host a match...</translation>
    </message>
    <message id="対局に参加...">
        <source></source>
        <translation>Join a match...</translation>
    </message>
    <message id="再接続">
        <source></source>
        <translation>Rejoin</translation>
    </message>
    <message id="投了">
        <source></source>
        <translation>Resign</translation>
    </message>
    <message id="ネット対局をやめる">
        <source></source>
        <translation>Leave the network match</translation>
    </message>
    <message id="対局を開く">
        <source></source>
        <translation>Host a match</translation>
    </message>
    <message id="あなたの軍">
        <source></source>
        <translation>Your army</translation>
    </message>
    <message id="並び">
        <source></source>
        <translation>Line-up</translation>
    </message>
    <message id="ポート">
        <source></source>
        <translation>Port</translation>
    </message>
    <message id="この機械のアドレス">
        <source></source>
        <translation>This machine&apos;s addresses</translation>
    </message>
    <message id="あなたの名前">
        <source></source>
        <translation>Your name</translation>
    </message>
    <message id="盤上の対局を続ける">
        <source></source>
        <translation>Continue the match on the board</translation>
    </message>
    <message id="対局に参加">
        <source></source>
        <translation>Join a match</translation>
    </message>
    <message id="アドレス">
        <source></source>
        <translation>Address</translation>
    </message>
    <message id="見つかった対局">
        <source></source>
        <translation>Hosts found</translation>
    </message>
    <message id="相手">
        <source></source>
        <translation>Opponent</translation>
    </message>
    <message id="ネット対局中はできません">
        <source></source>
        <translation>Not during a network match</translation>
    </message>
    <message id="相手の版が違います">
        <source></source>
        <translation>The other player runs another version</translation>
    </message>
    <message id="相手から正しくない通信が届きました">
        <source></source>
        <translation>The other machine sent a line that is not right</translation>
    </message>
    <message id="接続が切れました。時計は止まっています">
        <source></source>
        <translation>The connection dropped. The clocks are stopped</translation>
    </message>
    <message id="ネット対局をやめました">
        <source></source>
        <translation>You left the network match</translation>
    </message>
    <message id="対局が終わりました">
        <source></source>
        <translation>The match has ended</translation>
    </message>
    <message id="待ったを申し込みました">
        <source></source>
        <translation>You asked to take back</translation>
    </message>
    <message id="相手がネット対局をやめました">
        <source></source>
        <translation>The other player left the network match</translation>
    </message>
    <message id="対局の申し込みがあります。受けますか？">
        <source></source>
        <translation>A player asks for a match. Accept?</translation>
    </message>
    <message id="申し込みを断りました">
        <source></source>
        <translation>You declined the request</translation>
    </message>
    <message id="盤上の対局の手順が読めません">
        <source></source>
        <translation>The moves of the match on the board cannot be read</translation>
    </message>
    <message id="対局が始まりました">
        <source></source>
        <translation>The match has begun</translation>
    </message>
    <message id="相手は対局中です">
        <source></source>
        <translation>The host is playing another match</translation>
    </message>
    <message id="申し込みは断られました">
        <source></source>
        <translation>The request was declined</translation>
    </message>
    <message id="相手の手順が合いません">
        <source></source>
        <translation>The other machine&apos;s moves do not agree</translation>
    </message>
    <message id="相手から規則にない手が届きました">
        <source></source>
        <translation>The other machine sent a move the rules do not allow</translation>
    </message>
    <message id="待ったを求められています。受けますか？">
        <source></source>
        <translation>The other player asks to take back. Accept?</translation>
    </message>
    <message id="待ったは断られました">
        <source></source>
        <translation>The take-back was declined</translation>
    </message>
    <message id="待ったで手を戻しました">
        <source></source>
        <translation>Moves taken back</translation>
    </message>
    <message id="相手が投了しました">
        <source></source>
        <translation>The other player resigned</translation>
    </message>
</context>
</TS>

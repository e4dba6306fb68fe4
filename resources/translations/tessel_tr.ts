<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Photo Sliding Puzzle</source>
        <extracomment>The desktop entry&apos;s generic name, shown under or instead of &quot;Tessel&quot; in menus.</extracomment>
        <translation>Fotoğraf Kaydırma Yapbozu</translation>
    </message>
    <message>
        <source>Cut a photo into blocks and slide them back into place</source>
        <extracomment>The desktop entry&apos;s comment: a menu&apos;s tooltip.</extracomment>
        <translation>Bir fotoğrafı parçalara bölün ve parçaları kaydırarak yerlerine geri getirin</translation>
    </message>
    <message>
        <source>puzzle;sliding;slide;fifteen;photo;picture;tiles;blocks;hint;solver;best results;high scores;undo;keyboard;</source>
        <extracomment>Words a menu&apos;s search finds the game by, each ended by a semicolon; no blanks round them.</extracomment>
        <translation>yapboz;bulmaca;kaydırma;kaydırmalı yapboz;on beş;fotoğraf;resim;karo;parça;ipucu;çözüm;en iyi sonuçlar;rekorlar;geri al;klavye;</translation>
    </message>
    <message>
        <source>Slide the blocks of your own photo back into place</source>
        <extracomment>The one-line summary of a software centre.</extracomment>
        <translation>Kendi fotoğrafınızın parçalarını kaydırarak yerlerine geri getirin</translation>
    </message>
    <message>
        <source>Tessel is a sliding-block puzzle made from a photo of your choice. It cuts the photo into a board of 3 x 3, 4 x 4 or 5 x 5 blocks, deals them with the last cell empty, and you slide the blocks beside the empty cell until the photo is whole again.</source>
        <translation>Tessel, seçtiğiniz bir fotoğraftan yapılan kaydırmalı bir yapbozdur. Fotoğrafı 3 x 3, 4 x 4 ya da 5 x 5 parçalık bir tahtaya böler ve parçaları son hücre boş kalacak şekilde dağıtır; siz de fotoğraf yeniden bütünleşene kadar boş hücrenin yanındaki parçaları kaydırırsınız.</translation>
    </message>
    <message>
        <source>Play with any JPEG or bitmap photo, opened from the game, from a file manager or dropped on the window</source>
        <translation>Oyundan ya da bir dosya yöneticisinden açılan veya pencereye bırakılan her JPEG ya da bitmap fotoğrafla oynayın</translation>
    </message>
    <message>
        <source>Every deal can be won, and a hint shows the next move of a shortest solution</source>
        <translation>Her dağıtım çözülebilir; ipucu, en kısa çözümün sıradaki hamlesini gösterir</translation>
    </message>
    <message>
        <source>Best results for each board size: the best time, the fewest moves and the games completed</source>
        <translation>Her tahta boyutu için en iyi sonuçlar: en iyi süre, en az hamle ve tamamlanan oyunlar</translation>
    </message>
    <message>
        <source>Moves can be undone</source>
        <translation>Hamleler geri alınabilir</translation>
    </message>
    <message>
        <source>Play with the mouse or the keyboard: the arrow keys slide the blocks, and every control has an access key</source>
        <translation>Fareyle ya da klavyeyle oynayın: ok tuşları parçaları kaydırır ve her denetimin bir erişim tuşu vardır</translation>
    </message>
    <message>
        <source>A clock and a move counter, and short sounds for moves and the completed photo</source>
        <translation>Bir saat, bir hamle sayacı ve hamleler ile tamamlanan fotoğraf için kısa sesler</translation>
    </message>
    <message>
        <source>A small sample of the whole photo beside the board</source>
        <translation>Tahtanın yanında bütün fotoğrafın küçük bir örneği</translation>
    </message>
    <message>
        <source>An unfinished game can be kept for the next start</source>
        <translation>Bitmemiş bir oyun bir sonraki açılış için saklanabilir</translation>
    </message>
    <message>
        <source>In English, German and Turkish, and readable by screen readers</source>
        <translation>İngilizce, Almanca ve Türkçe; ekran okuyucularla da okunabilir</translation>
    </message>
    <message>
        <source>A game in progress on a 3 x 3 board</source>
        <extracomment>The caption of the software centre&apos;s screenshot.</extracomment>
        <translation>3 x 3 tahtada süren bir oyun</translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>Single search words of a software centre, one each.</extracomment>
        <translation>yapboz</translation>
    </message>
    <message>
        <source>sliding</source>
        <translation>kaydırma</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>fotoğraf</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>ipucu</translation>
    </message>
    <message>
        <source>best results</source>
        <translation>en iyi sonuçlar</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>geri al</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>klavye</translation>
    </message>
    <message>
        <source>The first release for the desktop: a menu entry and icon, manual pages in English, German and Turkish, a photo given on the command line or dropped on the window, and a Debian package.</source>
        <extracomment>What the release brought, shown by a software centre.</extracomment>
        <translation>Masaüstü için ilk sürüm: bir menü girdisi ve simgesi, İngilizce, Almanca ve Türkçe kılavuz sayfaları, komut satırında verilen ya da pencereye bırakılan bir fotoğraf ve bir Debian paketi.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Velkor - Tessel</source>
        <comment>10</comment>
        <translation>Velkor - Tessel</translation>
    </message>
    <message>
        <source>In order for the program to work, it is important that, your computer is installed with NT 4.0 and &apos;Servis Pack 3&apos; or with a higher version.</source>
        <comment>30</comment>
        <translation>Programın çalışabilmesi için bilgisayarınızda NT 4.0 ve &apos;Service Pack 3&apos; ya da daha yeni bir sürümün kurulu olması gerekir.</translation>
    </message>
    <message>
        <source>Due to the error occured below, the program may not work! 
Are you sure you want to continue?</source>
        <comment>40</comment>
        <translation>Aşağıdaki hata nedeniyle program düzgün çalışmayabilir! 
Devam etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Error Code :</source>
        <comment>50</comment>
        <translation>Hata Kodu:</translation>
    </message>
    <message>
        <source>Error Message :</source>
        <comment>60</comment>
        <translation>Hata Mesajı:</translation>
    </message>
    <message>
        <source>Error Occured!</source>
        <comment>70</comment>
        <translation>Hata Oluştu!</translation>
    </message>
    <message>
        <source>Completing Photo </source>
        <comment>100</comment>
        <translation>Fotoğrafı Tamamlama </translation>
    </message>
    <message>
        <source>Dividing Photo </source>
        <comment>200</comment>
        <translation>Fotoğrafı Bölme </translation>
    </message>
    <message>
        <source>&amp;3 x 3 Blocks </source>
        <comment>210</comment>
        <translation>&amp;3 x 3 Parça </translation>
    </message>
    <message>
        <source>&amp;4 x 4 Blocks </source>
        <comment>220</comment>
        <translation>&amp;4 x 4 Parça </translation>
    </message>
    <message>
        <source>&amp;5 x 5 Blocks </source>
        <comment>230</comment>
        <translation>&amp;5 x 5 Parça </translation>
    </message>
    <message>
        <source>Photo Sample </source>
        <comment>300</comment>
        <translation>Fotoğraf Örneği </translation>
    </message>
    <message>
        <source>Show ph&amp;oto sample </source>
        <comment>400</comment>
        <translation>Fotoğraf ö&amp;rneğini göster </translation>
    </message>
    <message>
        <source>&amp;Save on exit </source>
        <comment>410</comment>
        <translation>Çıkışta &amp;kaydet </translation>
    </message>
    <message>
        <source>Sound o&amp;ff </source>
        <comment>420</comment>
        <translation>&amp;Sesleri kapat </translation>
    </message>
    <message>
        <source>Game Information </source>
        <comment>500</comment>
        <translation>Oyun Bilgileri </translation>
    </message>
    <message>
        <source>Remaining Time :</source>
        <comment>510</comment>
        <extracomment>The label before the elapsed time of the game.</extracomment>
        <translation>Geçen Süre:</translation>
    </message>
    <message>
        <source>Click Counts :</source>
        <comment>520</comment>
        <extracomment>The label before the number of moves made.</extracomment>
        <translation>Hamle Sayısı:</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>600</comment>
        <translation>&amp;Yeni Oyun</translation>
    </message>
    <message>
        <source>New &amp;Photo...</source>
        <comment>700</comment>
        <translation>Yeni &amp;Fotoğraf...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>800</comment>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Exit (Esc)</source>
        <comment>900</comment>
        <translation>Çıkış (Esc)</translation>
    </message>
    <message>
        <source>Firstly, please select a photo!</source>
        <comment>1000</comment>
        <translation>Lütfen önce bir fotoğraf seçin!</translation>
    </message>
    <message numerus="yes">
        <source> hour, </source>
        <comment>1100</comment>
        <extracomment>Follows a number of hours in the completion time; the parts are joined by 3080 and 3090.</extracomment>
        <translation>
            <numerusform> saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> minute, </source>
        <comment>1200</comment>
        <extracomment>Follows a number of minutes in the completion time.</extracomment>
        <translation>
            <numerusform> dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> second</source>
        <comment>1250</comment>
        <extracomment>Follows a number of seconds in the completion time.</extracomment>
        <translation>
            <numerusform> saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations! You have completed the photo!</source>
        <comment>1300</comment>
        <translation>Tebrikler! Fotoğrafı tamamladınız!</translation>
    </message>
    <message>
        <source>Completing Time : </source>
        <comment>1320</comment>
        <translation>Tamamlama Süresi: </translation>
    </message>
    <message>
        <source>Click Counts : </source>
        <comment>1340</comment>
        <translation>Hamle Sayısı: </translation>
    </message>
    <message>
        <source>Resetting the counter, for games not completed within 24 hours!</source>
        <comment>1400</comment>
        <translation>Oyun 24 saat içinde tamamlanmadığı için sayaç sıfırlanıyor!</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <comment>1500</comment>
        <translation>Programdan çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Select Photo...</source>
        <comment>1550</comment>
        <translation>Fotoğraf Seç...</translation>
    </message>
    <message>
        <source>Dri&amp;ver(s)</source>
        <comment>1600</comment>
        <translation>&amp;Sürücüler</translation>
    </message>
    <message>
        <source>&amp;Directory(s)</source>
        <comment>1700</comment>
        <translation>&amp;Klasörler</translation>
    </message>
    <message>
        <source>&amp;Photos (*.bmp, *.jpg)</source>
        <comment>1800</comment>
        <translation>&amp;Fotoğraflar (*.bmp, *.jpg)</translation>
    </message>
    <message>
        <source>Preview </source>
        <comment>1900</comment>
        <translation>Önizleme </translation>
    </message>
    <message>
        <source>OK</source>
        <comment>2000</comment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>2100</comment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Cannot read drive!</source>
        <comment>2200</comment>
        <translation>Sürücü okunamıyor!</translation>
    </message>
    <message>
        <source>Please, select photo file from the list!</source>
        <comment>2300</comment>
        <translation>Lütfen listeden bir fotoğraf dosyası seçin!</translation>
    </message>
    <message>
        <source>About Program</source>
        <comment>2400</comment>
        <translation>Program Hakkında</translation>
    </message>
    <message>
        <source>Version </source>
        <comment>2450</comment>
        <translation>Sürüm </translation>
    </message>
    <message>
        <source>Send Message</source>
        <comment>2500</comment>
        <translation>Mesaj Gönder</translation>
    </message>
    <message>
        <source>Send E-Mail</source>
        <comment>2600</comment>
        <translation>E-posta Gönder</translation>
    </message>
    <message>
        <source>Arrow keys: slide the block beside the empty cell into it, the way the arrow points
Space or an arrow key: deal a new game when none is running</source>
        <comment>3000</comment>
        <extracomment>The board&apos;s tooltip and its description for screen readers: the keys of the board.</extracomment>
        <translation>Ok tuşları: boş hücrenin yanındaki parçayı okun gösterdiği yönde boş hücreye kaydırır
Boşluk tuşu ya da bir ok tuşu: oyun yokken yeni bir oyun başlatır</translation>
    </message>
    <message>
        <source>Block %1, row %2, column %3</source>
        <comment>3010</comment>
        <extracomment>A board cell read by a screen reader: %1 the block&apos;s number (1 is the top left block of the whole photo), %2 and %3 the cell&apos;s row and column.</extracomment>
        <translation>Parça %1, %2. satır, %3. sütun</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <comment>3020</comment>
        <extracomment>The board cell without a block, read by a screen reader.</extracomment>
        <translation>Boş hücre</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>3030</comment>
        <extracomment>Screen readers&apos; name of the elapsed time display.</extracomment>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Moves</source>
        <comment>3040</comment>
        <extracomment>Screen readers&apos; name of the move count display.</extracomment>
        <translation>Hamle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>3050</comment>
        <extracomment>A display read with its value: %1 its name (3030, 3040), %2 the value shown.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Block %1 moved to row %2, column %3.</source>
        <comment>3060</comment>
        <extracomment>Announced after a move: %1 the block&apos;s number, %2 and %3 the row and column it moved to.</extracomment>
        <translation>Parça %1, %2. satır %3. sütuna kaydırıldı.</translation>
    </message>
    <message>
        <source>A new game is dealt.</source>
        <comment>3070</comment>
        <extracomment>Announced when the blocks have been dealt for a new game.</extracomment>
        <translation>Yeni bir oyun için parçalar karıştırıldı.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>3080</comment>
        <extracomment>Joins a part of the completion time (%2: a number and 1100, 1200 or 1250) to the parts before it (%1). English words carry their own separators, so English joins with nothing.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>3090</comment>
        <extracomment>The same for the last part of the completion time, where a language may say &quot;and&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>A photo sliding-block puzzle.</source>
        <comment>3400</comment>
        <translation>Fotoğraflı bir kaydırmalı yapboz.</translation>
    </message>
    <message>
        <source>A picture file (.bmp or .jpg) to play with.</source>
        <comment>3410</comment>
        <extracomment>The photo argument&apos;s description in --help.</extracomment>
        <translation>Oynanacak bir resim dosyası (.bmp ya da .jpg).</translation>
    </message>
    <message>
        <source>photo</source>
        <comment>3420</comment>
        <extracomment>The photo argument&apos;s name in --help&apos;s synopsis.</extracomment>
        <translation>fotoğraf</translation>
    </message>
    <message>
        <source>Give one photo at most.</source>
        <comment>3430</comment>
        <translation>En çok bir fotoğraf verin.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <comment>3440</comment>
        <translation>Bu yardımı gösterir.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <comment>3450</comment>
        <translation>Sürümü gösterir.</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>3500</comment>
        <extracomment>The board&apos;s context-menu item that slides the block of the last move back (Ctrl+Z).</extracomment>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>3510</comment>
        <extracomment>The board&apos;s context-menu item that makes the last move undone again (Ctrl+Shift+Z).</extracomment>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Restart</source>
        <comment>3520</comment>
        <extracomment>The board&apos;s context-menu item that starts the same deal again from its first board (Ctrl+R).</extracomment>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>The game starts again from its deal.</source>
        <comment>3530</comment>
        <extracomment>Announced to screen readers when the game starts again from its deal.</extracomment>
        <translation>Oyun aynı dağıtımla baştan başlıyor.</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>3200</comment>
        <extracomment>The board&apos;s context-menu item that outlines the next block to move.</extracomment>
        <translation>İpucu</translation>
    </message>
    <message>
        <source>Best results...</source>
        <comment>3210</comment>
        <extracomment>The board&apos;s context-menu item that opens the best results window.</extracomment>
        <translation>En iyi sonuçlar...</translation>
    </message>
    <message>
        <source>Shortest possible: %1 moves.</source>
        <comment>3220</comment>
        <extracomment>Added to the congratulation on 3 x 3 and 4 x 4: %1 the length of a shortest solution of the deal.</extracomment>
        <translation>Mümkün olan en kısa: %1 hamle.</translation>
    </message>
    <message>
        <source>Shortest possible: 1 move.</source>
        <comment>3221</comment>
        <translation>Mümkün olan en kısa: 1 hamle.</translation>
    </message>
    <message>
        <source>Best known: %1 moves.</source>
        <comment>3230</comment>
        <extracomment>Added to the congratulation on 5 x 5: %1 the length of the best solution found for the deal.</extracomment>
        <translation>Bilinen en iyi: %1 hamle.</translation>
    </message>
    <message>
        <source>Best known: 1 move.</source>
        <comment>3231</comment>
        <translation>Bilinen en iyi: 1 hamle.</translation>
    </message>
    <message>
        <source>New best time for %1 x %1!</source>
        <comment>3240</comment>
        <extracomment>%1 the board&apos;s size, 3, 4 or 5.</extracomment>
        <translation>%1 x %1 için yeni en iyi süre!</translation>
    </message>
    <message>
        <source>Fewest moves yet for %1 x %1!</source>
        <comment>3250</comment>
        <extracomment>%1 the board&apos;s size, 3, 4 or 5.</extracomment>
        <translation>%1 x %1 için şimdiye kadarki en az hamle!</translation>
    </message>
    <message>
        <source>Best Results</source>
        <comment>3300</comment>
        <extracomment>The best results window&apos;s title.</extracomment>
        <translation>En İyi Sonuçlar</translation>
    </message>
    <message>
        <source>Board</source>
        <comment>3310</comment>
        <extracomment>Column headings of the best results window.</extracomment>
        <translation>Tahta</translation>
    </message>
    <message>
        <source>Best time</source>
        <comment>3320</comment>
        <translation>En iyi süre</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <comment>3330</comment>
        <translation>En az hamle</translation>
    </message>
    <message>
        <source>Games completed</source>
        <comment>3340</comment>
        <translation>Tamamlanan oyun</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <comment>3350</comment>
        <extracomment>A board size in the best results window, %1 being 3, 4 or 5.</extracomment>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>-</source>
        <comment>3360</comment>
        <extracomment>Shown for a result not yet set.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>&amp;Clear...</source>
        <comment>3370</comment>
        <translation>&amp;Temizle...</translation>
    </message>
    <message>
        <source>Do you want to clear the best results of every board?</source>
        <comment>3380</comment>
        <translation>Tüm tahtaların en iyi sonuçlarını silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Hint: block %1, row %2, column %3.</source>
        <comment>3100</comment>
        <extracomment>Announced when the hint outlines a block: %1 the block&apos;s number, %2 and %3 its row and column.</extracomment>
        <translation>İpucu: parça %1, %2. satır, %3. sütun.</translation>
    </message>
    <message>
        <source>Icon: a 3 x 3 board with one empty cell</source>
        <comment>3110</comment>
        <extracomment>The About window&apos;s picture, read by a screen reader: what it shows.</extracomment>
        <translation>Simge: bir hücresi boş 3 x 3 tahta</translation>
    </message>
    <message>
        <source>Animate moves</source>
        <comment>3550</comment>
        <extracomment>The board&apos;s context-menu item, checked while a moved block is seen gliding into the empty cell.</extracomment>
        <translation>Hamleleri canlandır</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <comment>3560</comment>
        <extracomment>The board&apos;s context-menu item that opens the keys and help window (F1).</extracomment>
        <translation>Tuşlar ve yardım</translation>
    </message>
    <message>
        <source>Keys and Help</source>
        <comment>3570</comment>
        <extracomment>The keys and help window&apos;s title.</extracomment>
        <translation>Tuşlar ve Yardım</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>3575</comment>
        <extracomment>Heading of the keys and help window&apos;s list of keys.</extracomment>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <comment>3590</comment>
        <extracomment>Key names in the keys and help window, as the keyboard labels them.</extracomment>
        <translation>Ok tuşları</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>3591</comment>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>H</source>
        <comment>3592</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <comment>3593</comment>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <comment>3594</comment>
        <translation>Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <comment>3595</comment>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <comment>3596</comment>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>F1</source>
        <comment>3597</comment>
        <translation>F1</translation>
    </message>
    <message>
        <source>Alt+%1</source>
        <comment>3598</comment>
        <extracomment>An access key: %1 the letter marked in a caption of the game window.</extracomment>
        <translation>Alt+%1</translation>
    </message>
    <message>
        <source>Alt+%1, Alt+%2, Alt+%3</source>
        <comment>3599</comment>
        <extracomment>The access keys of the three block-count options.</extracomment>
        <translation>Alt+%1, Alt+%2, Alt+%3</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>3600</comment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <comment>3601</comment>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Slide the block beside the empty cell into it, the way the arrow points (on the board).</source>
        <comment>3610</comment>
        <extracomment>What each key does, beside its name.</extracomment>
        <translation>Boş hücrenin yanındaki parçayı okun gösterdiği yönde boş hücreye kaydırır (tahtada).</translation>
    </message>
    <message>
        <source>Deal a new game while none is running (on the board).</source>
        <comment>3611</comment>
        <translation>Oyun sürmüyorken yeni bir oyun dağıtır (tahtada).</translation>
    </message>
    <message>
        <source>Hint: outline the block to move next.</source>
        <comment>3612</comment>
        <translation>İpucu: sıradaki hamlenin parçasını çerçeveler.</translation>
    </message>
    <message>
        <source>Undo the last move.</source>
        <comment>3613</comment>
        <translation>Son hamleyi geri alır.</translation>
    </message>
    <message>
        <source>Redo a move undone.</source>
        <comment>3614</comment>
        <translation>Geri alınan hamleyi yineler.</translation>
    </message>
    <message>
        <source>Restart: the same deal again, moves and time from 0.</source>
        <comment>3615</comment>
        <translation>Yeniden başlatır: aynı dağılım, hamleler ve süre 0&apos;dan.</translation>
    </message>
    <message>
        <source>Show the best results.</source>
        <comment>3616</comment>
        <translation>En iyi sonuçları gösterir.</translation>
    </message>
    <message>
        <source>Show this window.</source>
        <comment>3617</comment>
        <translation>Bu pencereyi açar.</translation>
    </message>
    <message>
        <source>Cut the photo into 3 x 3, 4 x 4 or 5 x 5 blocks.</source>
        <comment>3618</comment>
        <translation>Fotoğrafı 3 x 3, 4 x 4 ya da 5 x 5 parçaya böler.</translation>
    </message>
    <message>
        <source>Show or hide the photo sample.</source>
        <comment>3619</comment>
        <translation>Fotoğraf örneğini gösterir ya da gizler.</translation>
    </message>
    <message>
        <source>Save the game on exit, or not.</source>
        <comment>3620</comment>
        <translation>Oyunu çıkışta kaydeder ya da kaydetmez.</translation>
    </message>
    <message>
        <source>Turn the sound off, or on again.</source>
        <comment>3621</comment>
        <translation>Sesleri kapatır ya da yeniden açar.</translation>
    </message>
    <message>
        <source>Deal a new game.</source>
        <comment>3622</comment>
        <translation>Yeni bir oyun dağıtır.</translation>
    </message>
    <message>
        <source>Choose another photo.</source>
        <comment>3623</comment>
        <translation>Başka bir fotoğraf seçtirir.</translation>
    </message>
    <message>
        <source>About the program.</source>
        <comment>3624</comment>
        <translation>Program hakkında bilgi verir.</translation>
    </message>
    <message>
        <source>Exit the program; in any other window, close it.</source>
        <comment>3625</comment>
        <translation>Programdan çıkar; başka bir pencerede o pencereyi kapatır.</translation>
    </message>
    <message>
        <source>Move between the board and the other controls.</source>
        <comment>3626</comment>
        <translation>Tahta ile diğer denetimler arasında geçiş yapar.</translation>
    </message>
    <message>
        <source>The hint outlines for a second the block that moves next on a shortest way to the whole photo (on 5 x 5, on a short way). It moves nothing and counts no move.</source>
        <comment>3630</comment>
        <extracomment>Under the heading 3200.</extracomment>
        <translation>İpucu, tamamlanmış fotoğrafa giden en kısa yolda (5 x 5&apos;te kısa bir yolda) sıradaki parçayı bir saniye boyunca çerçeveler. Hiçbir parçayı kaydırmaz, hamle de saymaz.</translation>
    </message>
    <message>
        <source>The best results keep, for each board size, the best time, the fewest moves and the number of games completed. A new record is told after the win; Ctrl+B shows them all.</source>
        <comment>3631</comment>
        <extracomment>Under the heading 3300.</extracomment>
        <translation>En iyi sonuçlar, her tahta boyutu için en iyi süreyi, en az hamleyi ve tamamlanan oyun sayısını saklar. Yeni bir rekor kazandıktan sonra bildirilir; Ctrl+B hepsini gösterir.</translation>
    </message>
</context>
</TS>

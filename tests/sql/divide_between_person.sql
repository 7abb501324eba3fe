-- accounts_dep.divide_between_person: a work record is shared by its worker and the distinct
-- brigade members listed for it in person_temp; each member gets his own record and time-sheet
-- cell; the list is emptied.

-- Fixture: four workers, one product with a one-operation process, one order line.
insert into hrms_staffpos.staffpos (id, s_caption) values (1, 'Сварщик');
insert into cmn_department.department (id, s_caption) values (1, 'Цех');
insert into adm_role.roles (id, s_name, s_caption) values (1, 'worker', 'Рабочий');
insert into cmn_contractor.person (id, s_caption, id_staffpos, id_department, id_role) values
  (1, 'Иванов Иван Иванович', 1, 1, 1),
  (2, 'Петров Пётр Петрович', 1, 1, 1),
  (3, 'Сидоров Сидор Сидорович', 1, 1, 1),
  (4, 'Кузьмин Кузьма Кузьмич', 1, 1, 1);
insert into cmn_inventory_items.inventory_items (id, marka, id_type, id_msm, ral, ral_cons) values
  (1, 'Лист 2 мм', 0, 4, false, 0), (2, 'Кронштейн', 2, 4, true, 0.1), (3, 'RAL 9016', 3, 4, false, 0);
insert into mnf_proc_tech.proc_tech (id, s_caption, id_inventory_items, id_gds) values (1, 'ТП', 2, 1);
insert into mnf_operation.operation_type (id, s_caption) values (1, 'Сварка');
insert into mnf_operation.operation (id, id_proc_tech, id_inventory_items, id_type, id_state, price, orderby)
  values (1, 1, 2, 1, 0, 12.5, 1);
insert into mnf_app.app_doc (id, id_jur_person, id_person) values (1, 1, 1);
insert into mnf_app.app_spec (id, id_app_doc, id_ii, cnt, id_ral, id_gds) values (1, 1, 2, 100, 3, 1);

-- Records to divide (all on 17 March 2025, shift 2):
--   10: no members; 11: one member (2); 12: members 2, 3, 2 again and the worker himself.
insert into accounts_dep.smena (id, data, smena, w_id, i_id, o_id, cena, kol_vo, brak, time, color, ok,
                                vvod, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use,
                                coef, m_id)
values
  (10, '2025-03-17', 2, 1, 2, 1, 12.5, 9,  1, 4, 0, 'no', '2025-03-17 10:00', 0, 1, 1, 0, 1, 0, null, null),
  (11, '2025-03-17', 2, 1, 2, 1, 12.5, 7,  3, 5, 0, 'no', '2025-03-17 11:00', 0, 1, 1, 0, 1, 0, null, null),
  (12, '2025-03-17', 2, 4, 2, 1, 12.5, 10, 5, 6, 7, 'no', '2025-03-17 12:00', 3, 1, 1, 2.5, 1, 8, 1.1, 9),
  -- person 2 already worked 3 hours that shift and day on something else
  (13, '2025-03-17', 2, 2, 2, 1, 12.5, 1,  0, 3, 0, 'no', '2025-03-17 09:00', 0, 1, 1, 0, 1, 0, null, null);
select setval('accounts_dep.smena_id_seq', 100) \g /dev/null

-- Person 2's time sheet for March already exists with other days filled.
insert into accounts_dep.h_tabel (w_id, smena, month, year, d3, d17) values (2, 2, 3, 2025, 8, 3);

insert into accounts_dep.person_temp (id_smena, id_person) values
  (11, 2),
  (12, 2), (12, 3), (12, 2), (12, 4),
  (99, 3);   -- the list of another record stays untouched

set role sys;

-- No members: nothing changes.
do $$
begin
  perform accounts_dep.divide_between_person(10);
  assert (select count(*) from accounts_dep.smena) = 4, 'no record added';
  assert (select (kol_vo, brak) = (9::numeric, 1) from accounts_dep.smena where id = 10), 'record 10 unchanged';
  assert (select count(*) from accounts_dep.h_tabel) = 1, 'no time sheet written';
end
$$;

-- One member: the quantity halves; of 3 defects the member gets 1, the worker keeps 2.
-- Called the way the client calls it, with the id as a text parameter.
select accounts_dep.divide_between_person('11') \g /dev/null
do $$
declare
  orig accounts_dep.smena;
  dup  accounts_dep.smena;
begin
  select * into orig from accounts_dep.smena where id = 11;
  select * into dup from accounts_dep.smena where id > 13 and w_id = 2;
  assert orig.kol_vo = 3.5 and orig.brak = 2, format('worker share %s/%s', orig.kol_vo, orig.brak);
  assert dup.kol_vo = 3.5 and dup.brak = 1, format('member share %s/%s', dup.kol_vo, dup.brak);
  assert (dup.data, dup.smena, dup.i_id, dup.o_id, dup.cena, dup.time, dup.ok, dup.id_doc,
          dup.id_doc_item, dup.id_gds_use)
       = (orig.data, orig.smena, orig.i_id, orig.o_id, orig.cena, orig.time, orig.ok, orig.id_doc,
          orig.id_doc_item, orig.id_gds_use), 'copied columns';
  assert dup.vvod > '2025-03-17 11:00', 'the copy is entered now';
  assert not exists (select 1 from accounts_dep.person_temp where id_smena = 11), 'list emptied';
  -- time sheet of the member: 3 hours of record 13 plus 5 of his new record on the 17th
  assert (select (d17, d3) = (8::smallint, 8::smallint) from accounts_dep.h_tabel
           where w_id = 2 and smena = 2 and month = 3 and year = 2025), 'member 2 time sheet';
  assert not exists (select 1 from accounts_dep.h_tabel where w_id = 1), 'worker time sheet untouched';
end
$$;

-- Two distinct members (2 listed twice, the worker himself ignored): n = 3.
select accounts_dep.divide_between_person(12) \g /dev/null
do $$
declare
  orig accounts_dep.smena;
  c    record;
begin
  select * into orig from accounts_dep.smena where id = 12;
  assert orig.kol_vo = 3.333334 and orig.brak = 3, format('worker share %s/%s', orig.kol_vo, orig.brak);
  assert (select count(*) from accounts_dep.smena where id > 13 and id_doc_item = 1 and cena = 12.5
           and vvod > '2025-03-17 12:00' and color = 7) = 2, 'one copy per distinct member';
  for c in select * from accounts_dep.smena where id > 13 and color = 7 loop
    assert c.w_id in (2, 3), 'members are 2 and 3';
    assert c.kol_vo = 3.333333 and c.brak = 1, format('member share %s/%s', c.kol_vo, c.brak);
    assert (c.data, c.smena, c.i_id, c.o_id, c.time, c.ok, c.prize, c.f_gds_qty_use, c.id_gds_use,
            c.id_cons_use, c.coef, c.m_id)
         = (orig.data, orig.smena, orig.i_id, orig.o_id, orig.time, orig.ok, orig.prize,
            orig.f_gds_qty_use, orig.id_gds_use, orig.id_cons_use, orig.coef, orig.m_id), 'copied columns';
  end loop;
  assert (select sum(kol_vo) from accounts_dep.smena where id = 12 or (id > 13 and color = 7)) = 10,
         'shares add up to the original quantity';
  assert (select sum(brak) from accounts_dep.smena where id = 12 or (id > 13 and color = 7)) = 5,
         'defects add up';
  -- member 2: 3 (record 13) + 5 (from record 11) + 6 (from record 12); other days kept
  assert (select (d17, d3, d16) = (14::smallint, 8::smallint, 0::smallint) from accounts_dep.h_tabel
           where w_id = 2 and smena = 2 and month = 3 and year = 2025), 'member 2 time sheet';
  -- member 3: a new row, the 17th holds 6, every other day 0
  assert (select d17 = 6 and d1 + d2 + d3 + d16 + d18 + d31 = 0 from accounts_dep.h_tabel
           where w_id = 3 and smena = 2 and month = 3 and year = 2025), 'member 3 time sheet';
  assert not exists (select 1 from accounts_dep.h_tabel where w_id = 4), 'worker time sheet untouched';
  assert not exists (select 1 from accounts_dep.person_temp where id_smena = 12), 'list emptied';
  assert (select count(*) from accounts_dep.person_temp where id_smena = 99) = 1, 'other list kept';
end
$$;

-- A member that is no person is refused and nothing of the division stays.
insert into accounts_dep.person_temp (id_smena, id_person) values (10, 777);
do $$
begin
  begin
    perform accounts_dep.divide_between_person(10);
    assert false, 'division with an unknown person must fail';
  exception when foreign_key_violation then
    null;
  end;
  assert (select kol_vo from accounts_dep.smena where id = 10) = 9, 'record 10 unchanged';
  assert (select count(*) from accounts_dep.person_temp where id_smena = 10) = 1, 'list kept';
end
$$;

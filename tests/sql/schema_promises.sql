-- What the client's statements rely on in an empty database: fixed rows, defaults, cascades,
-- domain casts, the parent view, the version row, refused deletes of used reference rows.
-- Everything runs as the built-in account, logged in with its password: the group role's rights
-- and the account's date style (day.month.year text) apply.

\c -reuse-previous=on "user=sys password=brumvex"

-- Fixed rows, domains, the parent view and the version row.
do $$
begin
  assert (select count(*) from cmn_contractor.jur_person where id = 1) = 1, 'counterparty 1';
  assert (select count(*) from cmn_inventory_items.nomenclature where id = 7) = 1, 'nomenclature kind 7';
  assert (select array_agg(id order by id) from mnf_operation.operation_state) = '{0,1}', 'operation states';
  assert (select s_caption from cmn_inventory_items.ii_type where id = 0) = 'Сырьё', 'item type 0';
  assert (select array_agg(id order by id) from cmn_inventory_items.ii_type) = '{0,1,2,3}', 'item types';
  assert (select s_identification from cmn_msm.msm where id = 4) = 'шт', 'unit 4';
  assert (select (d, t, delim) = (0, 0, '.'::varchar) from ver), 'version row';

  assert 1::t_boolean and not 0::t_boolean, 'integer casts to t_boolean';
  assert (now()::t_date) = current_date and (now()::t_datetime) is not null, 't_date and t_datetime';
  assert (12.34567::t_money) = 12.3457, 't_money keeps four decimals';
  assert (123456789012345::t_id) = 123456789012345, 't_id holds 15 digits';

  assert (select count(*) from cmn_department.v_department where id = 0) = 1, 'parent row 0';
end
$$;

-- The one version row cannot be doubled.
do $$
begin
  insert into ver (d, t, delim) values (1, 1, ',');
  assert false, 'a second version row must be refused';
exception when unique_violation then
  null;
end
$$;

-- Reference rows as the screens insert them: keys and defaults come from the database.
insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)
  VALUES('Цех' ,'', 0, -1,'');
insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)
  VALUES('Склад сырья' ,'', 0, 2,'Склад сырья');
insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)
  VALUES('Маляр' ,'', 0);
INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)
  VALUES('worker', 'Рабочий', now()::t_date, 1::t_boolean);
INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)
  VALUES('ООО «Лак»','ООО «Лак»' ,'', '');
insert into cmn_inventory_items.nomenclature(s_caption, id_department) VALUES('Краски' ,0);
insert into mnf_operation.operation_type(s_caption, s_description) VALUES('Покраска' ,'');

do $$
declare
  dep integer := (select id from cmn_department.department where s_caption = 'Цех');
begin
  INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, id_department, id_role)
  VALUES('Иванов Иван Иванович', 'Иванов', 'Иван', 'Иванович',
         (select id from hrms_staffpos.staffpos), dep, (select id from adm_role.roles)::integer);
  assert (select b_employee from cmn_contractor.person), 'a new person is an employee';
  assert (select id from cmn_contractor.jur_person where s_caption = 'ООО «Лак»') > 1, 'counterparty keys after 1';
  assert (select id from cmn_inventory_items.nomenclature where s_caption = 'Краски') > 7, 'kind keys after 7';
  assert (select b_active and d_begin = current_date and d_end is null from adm_role.roles), 'role from the card';
  -- departments without a parent are listed through the view's row 0
  assert (select count(*) from cmn_department.department d, cmn_department.v_department d1
           where d.id_parent = d1.id) = 2, 'departments list shows parentless departments';
end
$$;

-- Items, a process with operations, an order with lines, a purchase request with lines,
-- a receipt order with lines; then the cascades.
insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, ral_cons)
  VALUES('Лист 2 мм' , 0, 0, 0, 2500, 2, 0::t_boolean, 4, 0);
insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, ral_cons)
  VALUES('Кронштейн' , 0, 0.6, 2, 200, 2, 1::t_boolean, 4, 0.05);
insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, ral_cons)
  VALUES('RAL 9016' , 0, 0, 3, 0, 0, 0::t_boolean, 4, 0);

do $$
declare
  sheet   integer := (select id from cmn_inventory_items.inventory_items where marka = 'Лист 2 мм');
  product integer := (select id from cmn_inventory_items.inventory_items where marka = 'Кронштейн');
  paint   integer := (select id from cmn_inventory_items.inventory_items where marka = 'RAL 9016');
  process integer;
  doc     integer;
  line    integer;
  request integer;
  receipt integer;
  worker  integer := (select id from cmn_contractor.person);
  store   integer := (select id from cmn_department.department where type = 2);
  t       accounts_dep.h_tabel;
begin
  assert (select ral from cmn_inventory_items.inventory_items where id = product), 'painted flag';
  assert (select cost_price = 0 from cmn_inventory_items.inventory_items where id = product), 'cost 0';

  -- process: the client reads the new id as the sequence's last value
  execute format('insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES(%L ,%s ,%s)',
                 'ТП кронштейна', product, sheet);
  process := (SELECT pg_sequence_last_value('mnf_proc_tech.proc_tech_id_seq'));
  assert process = (select id from mnf_proc_tech.proc_tech), 'last value of the process sequence';
  INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
    VALUES((select id from mnf_operation.operation_type), 1, 4.5, product, process, 1);
  INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
    VALUES((select id from mnf_operation.operation_type), 0, 5, product, process, 2);
  begin
    INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)
      VALUES((select id from mnf_operation.operation_type), -1, 5, product, process, 3);
    assert false, 'an operation without a result must be refused';
  exception when foreign_key_violation then
    null;
  end;

  -- order and line: header defaults, line defaults
  INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(1, worker, '17.10.2023', '20.10.2023')
    returning id into doc;
  assert (select id_app_doc = 0 and d_date <= now() and d_date > now() - interval '1 minute'
            and d_mnf = '2023-10-17' from mnf_app.app_doc where id = doc), 'order defaults and day.month.year dates';
  INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price)
    VALUES(product, 100, doc, paint, sheet, 120, 0) returning id into line;
  assert (select state = 0 and done = 0 and not accept and accept_stock = 0
            from mnf_app.app_spec where id = line), 'order line defaults';

  -- purchase request and line
  INSERT INTO stk_purchase.purchase_doc( id_jur_person, id_person, d_in)VALUES(1, worker, current_date)
    returning id into request;
  INSERT INTO stk_purchase.purchase_spec(id_gds, cnt, id_purchase_doc, gds_price)VALUES(sheet, 50, request, 91.5);
  assert (select state from stk_purchase.purchase_spec where id_purchase_doc = request) = 0, 'purchase line state 0';
  assert (select d_date is not null from stk_purchase.purchase_doc where id = request), 'request date';

  -- receipt order and line
  INSERT INTO stk_stocks.stock_in (date_in, id_accomp_doc, id_jur_pers, id_department)
    VALUES(current_date, '0', 1, store) returning id into receipt;
  INSERT INTO stk_stocks.spec_in(id_gds, id_stock_in, id_msm, cnt_gds, price) VALUES(sheet, receipt, 4, 10, 92.5);
  assert (select d_datetime is not null from stk_stocks.stock_in where id = receipt), 'receipt time filled';
  assert (select not accept from stk_stocks.spec_in where id_stock_in = receipt), 'receipt line not accepted';
  assert receipt = (select last_value from stk_stocks.stocks_id_seq), 'receipt orders numbered by stocks_id_seq';

  -- stock: raw receipts insert without reserve; one row per store and item
  INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price)VALUES(store, sheet, 10, 92.5);
  UPDATE stk_stocks.stock SET reserve=reserve+6 WHERE id_ii=sheet;
  assert (select reserve from stk_stocks.stock where id_ii = sheet) = 6, 'reserve starts at 0';
  begin
    INSERT INTO stk_stocks.stock (id_stock, id_ii, count, price)VALUES(store, sheet, 1, 1);
    assert false, 'a second stock row of a store and item must be refused';
  exception when unique_violation then
    null;
  end;

  -- time sheet row with one day set: the other days are 0
  insert into accounts_dep.h_tabel(smena, w_id, month, year, d17) values(1, worker, 10, 2023, 8);
  select * into t from accounts_dep.h_tabel;
  assert t.d17 = 8 and t.d1 = 0 and t.d16 = 0 and t.d18 = 0 and t.d31 = 0, 'time sheet days default to 0';

  -- deleting used reference rows is refused
  begin
    delete from cmn_department.department where id = store;
    assert false, 'a store holding stock must not be deleted';
  exception when foreign_key_violation then
    null;
  end;
  begin
    delete from hrms_staffpos.staffpos;
    assert false, 'a position held by a person must not be deleted';
  exception when foreign_key_violation then
    null;
  end;
  begin
    delete from cmn_contractor.person where id = worker;
    assert false, 'a person responsible for an order must not be deleted';
  exception when foreign_key_violation then
    null;
  end;
  begin
    delete from cmn_inventory_items.inventory_items where id = paint;
    assert false, 'a paint used by an order line must not be deleted';
  exception when foreign_key_violation then
    null;
  end;
  begin
    delete from mnf_operation.operation_type;
    assert false, 'an operation type in use must not be deleted';
  exception when foreign_key_violation then
    null;
  end;

  -- cascades: process -> operations, order -> lines, request -> lines, receipt -> lines
  delete from mnf_proc_tech.proc_tech where id = process;
  assert not exists (select 1 from mnf_operation.operation), 'operations go with their process';
  delete from mnf_app.app_doc where id = doc;
  assert not exists (select 1 from mnf_app.app_spec), 'lines go with their order';
  delete from stk_purchase.purchase_doc where id = request;
  assert not exists (select 1 from stk_purchase.purchase_spec), 'lines go with their request';
  delete from stk_stocks.stock_in where id = receipt;
  assert not exists (select 1 from stk_stocks.spec_in), 'lines go with their receipt order';

  -- unused reference rows can be deleted
  delete from cmn_inventory_items.inventory_items where id = paint;
  delete from cmn_inventory_items.nomenclature where s_caption = 'Краски';
end
$$;
